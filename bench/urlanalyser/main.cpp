// How the URL window's cost grows with the analysed items, over the
// scripted engine: the first rows of 3000 items against 1000 (target: at
// most 4 times), and 1000 item refreshes over 3000 rows against 300
// (target: at most 1.5 times). Each figure of a run is the median of five
// tries; three runs give the min-max of the ratios. Run with
// QT_QPA_PLATFORM=offscreen.
#include "ScriptedEngine.h"
#include "gui/PopupBase.h"
#include "gui/UIBaseData/UIBaseData.h"
#include "gui/special/PopupForm/UrlAnalyserDialog/UrlAnalyserDialog.h"
#include "shell/SettingsStore.h"
#include "ui_UrlAnalyserDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Youtube_Structure;

namespace {

void fill(int n)
{
    ScriptedEngine::reset();
    List list;
    list.title = QStringLiteral("L");
    list.analysed = true;
    for (int i = 0; i < n; ++i) {
        Item item;
        item.title = QStringLiteral("A rather long video title number %1").arg(i);
        item.url = QStringLiteral("https://www.youtube.com/watch?v=%1").arg(i);
        item.analysed = true;
        list.items.append(std::move(item));
    }
    ScriptedEngine::model().append(std::move(list));
}

void settle(UrlAnalyserDialog& dialog)
{
    if (ScriptedEngine::isAnalysing())
        ScriptedEngine::finishAnalysis();
    while (!dialog.form()->closebtn->isEnabled())
        QCoreApplication::processEvents();
}

// ms for a successful analysis with n items (initAnalyser to the built rows).
double firstRows(UrlAnalyserDialog& dialog, int n)
{
    fill(n);
    dialog.form()->lineEdit->setText(QStringLiteral("https://www.youtube.com/watch?v=x"));
    QElapsedTimer t;
    t.start();
    dialog.form()->btnAnalyseOrStop->click();
    const double ms = double(t.nsecsElapsed()) / 1e6;
    settle(dialog);
    return ms;
}

// ms for 1000 item refreshes over n rows.
double refreshes(UrlAnalyserDialog& dialog, int n)
{
    fill(n);
    dialog.form()->lineEdit->setText(QStringLiteral("https://www.youtube.com/watch?v=x"));
    dialog.form()->btnAnalyseOrStop->click();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 1000; ++i) {
        YoutubeItem r;
        r.index = (i * 7) % n;
        r.title = QStringLiteral("refreshed %1").arg(i);
        r.analysed = true;
        r.status = YtbNoError;
        dialog.onItemRefresh(YtbItemsLevel, nullptr, 0, r);
    }
    const double ms = double(t.nsecsElapsed()) / 1e6;
    settle(dialog);
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SettingsStore::instance()->setValue(QStringLiteral("youtube/path"), dir.path());
    PopupBase main(nullptr);
    main.setBaseSize(1078, 710);
    main.init(&main, &main, 1.0f, true);
    UIBaseData::instance()->setMainPopup(&main);
    UrlAnalyserDialog::setUpgradeCheckArmed(false);
    UrlAnalyserDialog dialog;
    dialog.show();

    constexpr int kTries = 5;
    double rowsMin = 1e9, rowsMax = 0, refMin = 1e9, refMax = 0;
    for (int run = 0; run < 3; ++run) {
        std::vector<double> small, large, few, many;
        for (int k = 0; k < kTries; ++k) {
            small.push_back(firstRows(dialog, 1000));
            large.push_back(firstRows(dialog, 3000));
            few.push_back(refreshes(dialog, 300));
            many.push_back(refreshes(dialog, 3000));
        }
        const double r = median(large) / std::max(median(small), 0.001);
        rowsMin = std::min(rowsMin, r);
        rowsMax = std::max(rowsMax, r);
        const double q = median(many) / std::max(median(few), 0.001);
        refMin = std::min(refMin, q);
        refMax = std::max(refMax, q);
        std::printf("run %d (medians of %d): rows %.1f ms / %.1f ms, refreshes %.1f ms / %.1f ms\n", run + 1, kTries,
                    median(large), median(small), median(many), median(few));
    }
    std::printf("first rows 3000/1000: %.2f-%.2f (target <= 4) %s\n", rowsMin, rowsMax, rowsMax <= 4 ? "ok" : "OVER");
    std::printf("refreshes at 3000/300: %.2f-%.2f (target <= 1.5) %s\n", refMin, refMax, refMax <= 1.5 ? "ok" : "OVER");
    UIBaseData::instance()->setMainPopup(nullptr);
    return 0;
}
