#pragma once

#include <QString>
#include <QThread>
#include <QVariant>

// Finds the graphics adapters and what each vendor's probe says of them by
// running the probe programs beside the program (DisplayDrivers, then
// IntelCheck, NvidiaCheck or AMDCheck per adapter line). Results go out
// unchanged through doShowInfo, emitted on the probe's own thread: false when
// the adapter list could not be had, the raw list, "I"/"N"/"A" plus a vendor
// probe's output or "IError"/"NError"/"AError", and true at the end.
class HardwareCheck : public QThread
{
    Q_OBJECT
public:
    explicit HardwareCheck(QObject* parent = nullptr);

    // Where the probes are looked for and run (the program's folder unless set).
    void setProbeFolder(const QString& folder) { m_folder = folder; }
    QString probeFolder() const;
    // How long the adapter list and each vendor probe may take (10 s each).
    void setTimeLimits(int driverMs, int vendorMs)
    {
        m_driverMs = driverMs;
        m_vendorMs = vendorMs;
    }

signals:
    void doShowInfo(QVariant info);

public slots:
    void checkHardware();
    void onReadOutputs();

protected:
    void run() override;

private:
    QString m_folder;
    int m_driverMs = 10000;
    int m_vendorMs = 10000;
};
