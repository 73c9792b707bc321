#pragma once

#include <QList>
#include <QMap>
#include <QMutex>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <Qt>

class QLabel;
class QWidget;
class PopupBase;

// Process-wide state of the interface: the DPI factor every window scales its
// design pixels by, the main window pointers, the UI font family and the
// automatic shut-down flag. GUI thread only.
class UIBaseData
{
public:
    static UIBaseData* instance();

    float scale() const { return m_scale; }
    void setScale(float scale) { m_scale = scale; }

    QWidget* topLevelWindow() const { return m_topLevelWindow; }
    void setTopLevelWindow(QWidget* w) { m_topLevelWindow = w; }

    PopupBase* mainPopup() const { return m_mainPopup; }
    void setMainPopup(PopupBase* popup) { m_mainPopup = popup; }

    QWidget* mainWindow() const { return m_mainWindow; }
    void setMainWindow(QWidget* w) { m_mainWindow = w; }

    QString fontFamily() const { return m_fontFamily; }
    // Makes the interface font "Tahoma" known to the application where the
    // system has the files but not in its font folders; without them the
    // system's own substitute stays. Needs the application; once is enough,
    // later calls do nothing. Returns whether the regular face is known.
    static bool registerInterfaceFonts();
    void setFontFamily(const QString& family) { m_fontFamily = family; }

    bool isCompositionEnabled() const { return m_compositionEnabled; }
    // Tests and the platform layer may change what was detected at start.
    void setCompositionEnabled(bool on) { m_compositionEnabled = on; }

    bool isShutdownRequested() const { return m_shutdownRequested; }
    void setShutdownRequested(bool on) { m_shutdownRequested = on; }

    void setFormMode(int mode) { m_formMode = mode; }
    int formMode() const { return m_formMode; }

    // Kept for other parts of the interface that need a shared table.
    QMap<QString, QString>& sharedMap() { return m_map; }
    QMutex& sharedMutex() { return m_mutex; }

    // Rescales w and its whole tree from the design properties ("basePos",
    // "baseFontSize", "baseIconSize", base size) by the current factor.
    void rescaleWidget(QWidget* w);
    // Children first (recursing through every object), then the root.
    static void rescaleWidgetTree(QWidget* root, double factor);

    // Design pixels to real pixels, half away from zero (single precision;
    // the sign test is on v).
    static int scaled(float v);
    static QPoint scaledPoint(const QPoint& p);
    static QSize scaledSize(const QSize& s);

    // Turns every "<n>px"/"<n>pt" of style into %1px, %2px, ... and appends
    // the design pixel values (points converted to pixels) to basePx.
    static QString styleSheetTemplate(const QString& style, QList<int>& basePx);
    // Fills a template from styleSheetTemplate with the scaled values, in
    // one pass: only its own placeholders change, any other "%" stays.
    static QString applyStyleSheetTemplate(const QString& templ, const QList<int>& basePx);

    // Elides text into the label (width -1: the parent's width); the full
    // text goes to the tool tip. Returns the elided text.
    static QString setElidedText(QLabel* label, const QString& text, Qt::TextElideMode mode,
                                 int width = -1);
    // "prefix" is the image path up to the state word: prefix + "nor.png" ...
    static QString buttonStyleSheet(const QString& prefix);
    static QString scrollBarStyleSheet(int designWidth);

    // Asks the user (30-second countdown) whether to power off after the
    // downloads; on yes sets the shut-down flag and quits the event loop.
    static void askAutoShutdown();

    // --- Services that reach outside the program ---
    // Opens the file manager on folder with the listed files selected.
    static void OpenFolderAndSelectFiles(const QString& folder, const QStringList& files);
    // Opens target through the product's tracked redirect link; a mailto
    // link with an empty tag goes straight to the mail client.
    static bool openPHPParams(const QString& fromUi, const QString& target);
    // Starts a new instance with "normal" "restart" and quits this one.
    static void restartApplication();
    // Replaces the critical-log file with a copy of the release log.
    static void copyLogToCriticalLog();
    // Native name of a language code, or the code itself when unknown.
    static QString languageNativeName(const QString& code);
    static void loadLanguageTable(QMap<QString, QString>& table);

private:
    UIBaseData();
    UIBaseData(const UIBaseData&) = delete;
    UIBaseData& operator=(const UIBaseData&) = delete;

    float m_scale = 1.0f;
    QWidget* m_topLevelWindow = nullptr;
    PopupBase* m_mainPopup = nullptr;
    QWidget* m_mainWindow = nullptr;
    QString m_fontFamily;
    QMap<QString, QString> m_map;
    QMutex m_mutex;
    bool m_shutdownRequested = false;
    bool m_compositionEnabled = false;
    int m_formMode = 0;
};

// url with the tracking parameter of the product appended.
QString appendLinkParams(const QString& url, const QString& tag);
