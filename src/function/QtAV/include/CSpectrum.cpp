#include "CSpectrum.h"

#include "FFTRealWrapper.h"

#include <QLinearGradient>
#include <QMutexLocker>
#include <QPainter>
#include <QtEndian>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

const float* hannWindow()
{
    static const std::vector<float> window = [] {
        std::vector<float> w(CaculateThread::Points);
        for (int i = 0; i < CaculateThread::Points; ++i)
            w[size_t(i)] = float((1.0 - std::cos(2.0 * kPi * i / (CaculateThread::Points - 1))) / 2.0);
        return w;
    }();
    return window.data();
}

} // namespace

Block Block::fromAudioFrame(const TwAV::AudioFrame& frame)
{
    Block b;
    b.data = frame.data();
    b.samplesPerChannel = frame.samplesPerChannel();
    b.sampleRate = frame.sampleRate();
    b.channelCount = frame.channelCount();
    // Interleaved: the next sample of the same channel is a whole frame on.
    b.sampleSize = frame.bytesPerSample() * qMax(1, frame.channelCount());
    b.bytesPerLine = frame.bytesPerLine(0);
    return b;
}

CaculateThread::CaculateThread(QObject* parent)
    : QThread(parent)
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<QVector<Bar>>("QVector<Bar>");
    hannWindow();
    CSpectrumHelper::instance();
}

CaculateThread::~CaculateThread()
{
    stop();
    wait();
}

void CaculateThread::addBlock(const Block& block)
{
    QMutexLocker lock(&m_mutex);
    while (m_blocks.size() >= MaxWaiting)
        m_blocks.removeFirst();
    m_blocks.append(block);
}

int CaculateThread::waiting() const
{
    QMutexLocker lock(&m_mutex);
    return m_blocks.size();
}

bool CaculateThread::analyse(const Block& block, FFTRealWrapper& fft, FrequencySpectrum* spectrum)
{
    if (block.data.size() < Points)
        return false;
    const float* window = hannWindow();
    std::vector<float> input(Points, 0.0f), output(Points, 0.0f);
    const int stride = qMax(2, block.sampleSize);
    const char* bytes = block.data.constData();
    // Read only as far as the block reaches; the rest stays silence.
    for (int i = 0; i < Points; ++i) {
        const qint64 at = qint64(i) * stride;
        if (at + 2 > block.data.size())
            break;
        const qint16 sample = qFromLittleEndian<qint16>(bytes + at);
        const float scaled = float(sample) * (1.0f / 32768.0f);
        input[size_t(i)] = scaled * window[i];
    }
    fft.calculateFFT(output.data(), input.data());
    if (spectrum->count() != Points)
        *spectrum = FrequencySpectrum(Points);
    for (int i = 2; i <= Points / 2; ++i) {
        FrequencySpectrumElement& e = (*spectrum)[i];
        e.frequency = int(qint64(block.sampleRate) * i / Points);
        const double re = output[size_t(i)];
        const double im = i < Points / 2 ? output[size_t(Points / 2 + i)] : 0.0;
        const double magnitude = std::sqrt(re * re + im * im);
        const double amplitude = 0.15 * std::log(magnitude);
        e.clipped = amplitude > 1.0;
        e.amplitude = std::isnan(amplitude) ? 0.0 : qBound(0.0, amplitude, 1.0);
    }
    return true;
}

void CaculateThread::run()
{
    FFTRealWrapper fft;
    FrequencySpectrum spectrum(Points);
    while (!m_stop) {
        Block block;
        bool have = false;
        {
            QMutexLocker lock(&m_mutex);
            if (!m_blocks.isEmpty()) {
                block = m_blocks.takeFirst();
                have = true;
            }
        }
        if (have && analyse(block, fft, &spectrum))
            emit doSequenceChanged(spectrum);
        if (m_stop)
            break;
        msleep(30);
    }
}

CSpectrum::CSpectrum(QWidget* parent)
    : QWidget(parent), m_bars(BarCount)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

CSpectrum::~CSpectrum()
{
    if (m_worker) {
        disconnect(m_worker, &CaculateThread::doSequenceChanged, this, &CSpectrum::onSequenceChanged);
        m_worker->stop();
        m_worker->wait();
        delete m_worker;
    }
}

int CSpectrum::barIndex(double frequency)
{
    if (frequency < 20 || frequency >= 1000)
        return -1;
    const int index = int((frequency - 20) / (980.0 / BarCount));
    return index >= 0 && index < BarCount ? index : 0;
}

void CSpectrum::onDealAudioFrame(Block& block)
{
    if (block.data.isEmpty())
        return;
    if (!m_worker) {
        m_worker = new CaculateThread(this);
        connect(m_worker, &CaculateThread::doSequenceChanged, this, &CSpectrum::onSequenceChanged);
        connect(m_worker, &CaculateThread::doBarsChanged, this, &CSpectrum::onBarsChanged);
        m_worker->start(QThread::InheritPriority);
    }
    m_worker->addBlock(block);
}

void CSpectrum::onSequenceChanged(FrequencySpectrum spectrum)
{
    m_spectrum = spectrum;
    m_ready = true;
    for (Bar& b : m_bars)
        b.value = 0;
    for (const FrequencySpectrumElement& e : m_spectrum) {
        const int index = barIndex(e.frequency);
        if (index < 0)
            continue;
        Bar& bar = m_bars[index];
        bar.value = qMax(bar.value, e.amplitude);
        bar.clipped = e.clipped;
    }
    update();
}

void CSpectrum::onBarsChanged(QVector<Bar> bars)
{
    m_bars = bars;
    m_ready = true;
    update();
}

void CSpectrum::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Nothing behind the bars: the picture under the widget shows through.
    p.fillRect(rect(), Qt::transparent);
    if (!m_ready)
        return;
    const QRect r = rect();
    const int w = r.width(), h = r.height(), n = m_bars.size();
    if (n == 0)
        return;
    const int step = w / n;
    QLinearGradient gradient(0, 0, 0, h);
    gradient.setColorAt(0, QColor("#09aefc"));
    gradient.setColorAt(1, QColor("#056ef9"));
    int x = r.left() + (w - (n - 1) * step) / 2;
    for (Bar& bar : m_bars) {
        const int target = int(r.top() + 1 + (1 - bar.value) * (h - 2));
        bar.top = qMin(bar.top, double(target)) + 4.0;
        if (bar.top >= h - 2) {
            p.setPen(QPen(Qt::transparent, 1, Qt::SolidLine));
        } else {
            p.setPen(QPen(QBrush(gradient), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
            p.setOpacity(0.9);
        }
        p.drawLine(x, int(bar.top), x, r.bottom() - 1);
        x += step;
    }
}

struct FFTState
{
    enum { N = 4096 };
    float window[N];
    float re[N];
    float im[N];
    int reverse[N];
    float sinTable[N / 2];
    float cosTable[N / 2];
};

CSpectrumHelper* CSpectrumHelper::instance()
{
    static CSpectrumHelper helper;
    return &helper;
}

CSpectrumHelper::CSpectrumHelper()
    : m_state(FFTInit())
{
}

CSpectrumHelper::~CSpectrumHelper()
{
    FFTClose(m_state);
}

FFTState* CSpectrumHelper::FFTInit()
{
    auto* s = new FFTState;
    for (int i = 0; i < FFTState::N; ++i) {
        s->window[i] = float((1.0 - std::cos(2.0 * kPi * i / (FFTState::N - 1))) / 2.0);
        int r = 0;
        for (int bit = 0; bit < 12; ++bit)
            if (i & (1 << bit))
                r |= 1 << (11 - bit);
        s->reverse[i] = r;
    }
    for (int k = 0; k < FFTState::N / 2; ++k) {
        s->sinTable[k] = float(std::sin(2.0 * kPi * k / FFTState::N));
        s->cosTable[k] = float(std::cos(2.0 * kPi * k / FFTState::N));
    }
    return s;
}

void CSpectrumHelper::FFTClose(FFTState* state)
{
    delete state;
}

void CSpectrumHelper::FFTPerform(const int16_t* input, float* output)
{
    QMutexLocker lock(&m_mutex);
    FFTState* s = m_state;
    const int n = FFTState::N;
    for (int i = 0; i < n; ++i) {
        s->re[i] = float(input[s->reverse[i]]);
        s->im[i] = 0.0f;
    }
    // Radix-2 decimation in time; e^{-2 pi i k / N} twiddles, so output i is
    // the power of bin i.
    for (int span = 1, step = n / 2; span < n; span *= 2, step /= 2) {
        for (int k = 0; k < span; ++k) {
            const float c = s->cosTable[k * step], sn = -s->sinTable[k * step];
            for (int j = k; j < n; j += 2 * span) {
                const float tr = s->re[j + span] * c - s->im[j + span] * sn;
                const float ti = s->im[j + span] * c + s->re[j + span] * sn;
                s->re[j + span] = s->re[j] - tr;
                s->im[j + span] = s->im[j] - ti;
                s->re[j] += tr;
                s->im[j] += ti;
            }
        }
    }
    for (int i = 0; i <= n / 2; ++i)
        output[i] = s->re[i] * s->re[i] + s->im[i] * s->im[i];
    output[0] *= 0.25f;
    output[n / 2] *= 0.25f;
}
