#pragma once

// The audio spectrum over the preview: audio blocks are queued to a worker
// thread (CaculateThread) that turns the first 4096 samples of each into a
// spectrum (Hann window, 4096-point real FFT); the widget folds it into 58
// bars between 20 and 1000 Hz and paints them with slowly falling tops.
//
// Threads: onDealAudioFrame and painting on the GUI thread; the worker takes
// blocks from its queue (guarded by its mutex, at most 101 waiting) and sends
// each spectrum back by the queued doSequenceChanged.

#include "function/QtAV/av/Frame.h"

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QMutex>
#include <QObject>
#include <QThread>
#include <QVector>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>

class FFTRealWrapper;

// One audio frame as the preview hands it over. sampleSize is the stride in
// bytes between two samples of one channel (2 x channels for interleaved
// 16-bit sound).
struct Block
{
    QByteArray data;
    int samplesPerChannel = 0;
    int sampleSize = 2;
    int sampleRate = 0;
    int channelCount = 0;
    int bytesPerLine = 0;

    static Block fromAudioFrame(const TwAV::AudioFrame& frame);
};

struct FrequencySpectrumElement
{
    double frequency = 0.0;
    double amplitude = 0.0;
    double phase = 0.0;
    bool clipped = false;
};

class FrequencySpectrum
{
public:
    explicit FrequencySpectrum(int points = 0) : m_elements(points) {}
    int count() const { return m_elements.size(); }
    FrequencySpectrumElement& operator[](int i) { return m_elements[i]; }
    const FrequencySpectrumElement& operator[](int i) const { return m_elements[i]; }
    QVector<FrequencySpectrumElement>::const_iterator begin() const { return m_elements.cbegin(); }
    QVector<FrequencySpectrumElement>::const_iterator end() const { return m_elements.cend(); }
private:
    QVector<FrequencySpectrumElement> m_elements;
};

struct Bar
{
    double value = 0.0;
    bool clipped = false;
    double unused = 999999.0;
    double top = 999999.0;
    int unusedInt = 0;
};

Q_DECLARE_METATYPE(FrequencySpectrum)
Q_DECLARE_METATYPE(QVector<Bar>)

class CaculateThread : public QThread
{
    Q_OBJECT
public:
    enum { Points = 4096, MaxWaiting = 101 };
    explicit CaculateThread(QObject* parent = nullptr);
    ~CaculateThread() override;

    void addBlock(const Block& block);
    void stop() { m_stop = true; }
    int waiting() const;
    // One block's spectrum (the worker's step, also for tests).
    static bool analyse(const Block& block, FFTRealWrapper& fft, FrequencySpectrum* spectrum);

signals:
    void doSequenceChanged(FrequencySpectrum spectrum);
    void doBarsChanged(QVector<Bar> bars);

protected:
    void run() override;

private:
    QList<Block> m_blocks;
    mutable QMutex m_mutex;
    std::atomic_bool m_stop{false};
};

class CSpectrum : public QWidget
{
    Q_OBJECT
public:
    enum { BarCount = 58 };
    explicit CSpectrum(QWidget* parent = nullptr);
    ~CSpectrum() override;

    QVector<Bar> bars() const { return m_bars; }
    CaculateThread* worker() const { return m_worker; }
    // The bar a frequency in 20 ... 1000 Hz lights; -1 outside.
    static int barIndex(double frequency);

public slots:
    void onDealAudioFrame(Block& block);
    void onSequenceChanged(FrequencySpectrum spectrum);
    void onBarsChanged(QVector<Bar> bars);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CaculateThread* m_worker = nullptr;
    FrequencySpectrum m_spectrum;
    QVector<Bar> m_bars;
    bool m_ready = false;
};

// A self-contained 4096-point FFT with its own tables: power of each bin of
// 16-bit samples. The tables of the shared instance are used under a lock.
struct FFTState;

class CSpectrumHelper : public QObject
{
    Q_OBJECT
public:
    static CSpectrumHelper* instance();

public slots:
    FFTState* FFTInit();
    // output[i] = power of bin i for i = 0 ... 2048 (bins 0 and 2048 x 0.25).
    void FFTPerform(const int16_t* input, float* output);
    void FFTClose(FFTState* state);

private:
    CSpectrumHelper();
    ~CSpectrumHelper() override;
    FFTState* m_state;
    QMutex m_mutex;
};
