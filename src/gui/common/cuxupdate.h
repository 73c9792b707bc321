#pragma once

#include "function/VersionCheck/NetVersionMgr.h"
#include "gui/PopupBase.h"

#include <QList>
#include <QString>

namespace Ui {
class update;
}

// The program update window: the version manager's texts for an available
// update ("Update Now", which opens the download page) or for an up-to-date
// program ("OK"). A forced update ends the program with -1 when the window
// is left. checkUpdate runs the whole question, with its checking popup.
// GUI thread only.
class CUxUpdate : public PopupBase
{
    Q_OBJECT
public:
    explicit CUxUpdate(QWidget* parent);
    ~CUxUpdate() override;

    // Interactive: a checking popup, a fresh check (shown at least 1500 ms),
    // then this window on success. Otherwise this window at once with what
    // the version manager holds. A call while one runs does nothing.
    static void checkUpdate(QWidget* parent, bool interactive);

    // Fills the window from the version manager; once, before the run.
    void loadUpgradeInfo();
    // Writes the texts and the change log's style at the current factor.
    void applyScaledTexts();

    Ui::update* form() const { return ui; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void on_btnclose_clicked();
    void on_btnOperate_clicked();

private:
    Ui::update* ui;
    VersionInfo m_versionInfo;
    UpgradeInfo m_upgradeInfo;
    QString m_textEditStyle;
    QString m_templates[3];
    QList<int> m_basePx[3];
};
