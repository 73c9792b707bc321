// How the file list dialog's cost grows with the number of names: building
// the dialog and laying out its list until the scroll range is known, for 300
// and 3000 names. The target is at most 12 times the time of 300 for ten
// times the names. Run with QT_QPA_PLATFORM=offscreen.
#include "gui/PopupBase.h"
#include "gui/special/PopupForm/Unclassified/FileListDialog.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextEdit>

#include <algorithm>
#include <vector>
#include <cstdio>

namespace {

QStringList names(int n)
{
    QStringList out;
    out.reserve(n);
    for (int i = 0; i < n; ++i)
        out << QStringLiteral("/home/user/Videos/Downloads/a rather long video title number %1.mp4").arg(i);
    return out;
}

// Milliseconds from construction to a shown, laid-out list.
double buildAndLayOut(const QStringList& files)
{
    QElapsedTimer t;
    t.start();
    FileListDialog dialog(QStringLiteral("Failed to download the files below"),
                          QStringLiteral("<p style='line-height:%1px'>Failed.</p>"), files, false, nullptr);
    dialog.show(true);
    auto* list = dialog.findChild<QTextEdit*>(QStringLiteral("fileList"));
    // The document's height, hence the scroll range, is known once laid out.
    list->document()->documentLayout()->documentSize();
    QCoreApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    if (list->verticalScrollBar()->maximum() <= 0)
        std::fprintf(stderr, "list not laid out\n");
    dialog.close();
    return ms;
}

// The median of a few tries, so one descheduling does not decide.
double median(const QStringList& files)
{
    std::vector<double> v;
    for (int i = 0; i < 5; ++i)
        v.push_back(buildAndLayOut(files));
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PopupBase::setScreenMetricsProvider([](QScreen*) {
        ScreenMetrics m;
        m.logicalDpi = 96;
        m.geometry = m.available = QRect(0, 0, 1920, 1080);
        return m;
    });
    const QStringList small = names(300);
    const QStringList large = names(3000);
    buildAndLayOut(small);   // warm-up: fonts, styles, images
    double lo = 1e18, hi = 0;
    for (int run = 0; run < 3; ++run) {
        const double a = median(small);
        const double b = median(large);
        const double ratio = b / a;
        std::printf("run %d (medians of 5): 300 names %.2f ms, 3000 names %.2f ms, ratio %.2f\n", run + 1, a, b, ratio);
        lo = std::min(lo, ratio);
        hi = std::max(hi, ratio);
    }
    std::printf("ratio 3000/300: %.2f-%.2f (target <= 12): %s\n", lo, hi, hi <= 12.0 ? "met" : "NOT met");
    return hi <= 12.0 ? 0 : 1;
}
