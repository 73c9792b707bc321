#include "function/QtAV/include/CSpectrum.h"
#include "function/QtAV/include/FFTRealWrapper.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cmath>
#include <complex>

class TestSpectrum : public QObject
{
    Q_OBJECT
private slots:
    void calculateFFTMatchesADirectDFT();
    void helperPowersMatchADirectDFT();
    void silenceAndShortBlocks();
    void tonesLightTheirBars_data();
    void tonesLightTheirBars();
    void barIndexIsARealDivision_data();
    void barIndexIsARealDivision();
    void barsFallFourPixelsPerPaint();
    void queueKeepsTheNewest101();
    void widgetFeedsItsWorker();
    void destroyedWithABusyWorker();
};

namespace {

const double kPi = 3.14159265358979323846;

std::complex<double> dft(const std::vector<double>& x, int k)
{
    std::complex<double> sum;
    const int n = int(x.size());
    for (int j = 0; j < n; ++j)
        sum += x[size_t(j)] * std::polar(1.0, -2.0 * kPi * k * j / n);
    return sum;
}

// Interleaved 16-bit sound: every channel the same tone.
QByteArray tone(double frequency, int rate, int channels, int frames, double level = 1.0)
{
    QByteArray out(frames * channels * 2, Qt::Uninitialized);
    auto* s = reinterpret_cast<qint16*>(out.data());
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            s[i * channels + c] = qint16(qBound(-32768.0, 32767.0 * level * std::sin(2 * kPi * frequency * i / rate), 32767.0));
    return out;
}

int peakBar(const FrequencySpectrum& spectrum)
{
    int best = -1;
    double value = 0;
    for (const FrequencySpectrumElement& e : spectrum) {
        const int bar = CSpectrum::barIndex(e.frequency);
        if (bar >= 0 && e.amplitude > value) {
            value = e.amplitude;
            best = bar;
        }
    }
    return best;
}

} // namespace

void TestSpectrum::calculateFFTMatchesADirectDFT()
{
    std::vector<float> in(4096), out(4096);
    std::vector<double> x(4096);
    for (int i = 0; i < 4096; ++i)
        x[size_t(i)] = in[size_t(i)] = float(QRandomGenerator::global()->bounded(2.0) - 1.0);
    FFTRealWrapper fft;
    fft.calculateFFT(out.data(), in.data());
    for (int k : {0, 1, 37, 1000, 2047, 2048}) {
        const std::complex<double> X = dft(x, k);
        QVERIFY2(std::abs(out[size_t(k)] - X.real()) < 1e-2, qPrintable(QString::number(k)));
        if (k > 0 && k < 2048)
            QVERIFY2(std::abs(out[size_t(2048 + k)] - X.imag()) < 1e-2, qPrintable(QString::number(k)));
    }
}

void TestSpectrum::helperPowersMatchADirectDFT()
{
    std::vector<int16_t> in(4096);
    std::vector<double> x(4096);
    for (int i = 0; i < 4096; ++i)
        x[size_t(i)] = in[size_t(i)] = int16_t(QRandomGenerator::global()->bounded(2000) - 1000);
    std::vector<float> out(2049);
    CSpectrumHelper::instance()->FFTPerform(in.data(), out.data());
    for (int k : {0, 3, 100, 1500, 2047, 2048}) {
        double power = std::norm(dft(x, k));
        if (k == 0 || k == 2048)
            power *= 0.25;
        QVERIFY2(std::abs(out[size_t(k)] - power) <= 1e-3 * power + 1.0,
                 qPrintable(QStringLiteral("%1: %2 vs %3").arg(k).arg(out[size_t(k)]).arg(power)));
    }
    FFTState* own = CSpectrumHelper::instance()->FFTInit();
    QVERIFY(own);
    CSpectrumHelper::instance()->FFTClose(own);
}

void TestSpectrum::silenceAndShortBlocks()
{
    FFTRealWrapper fft;
    FrequencySpectrum spectrum;
    Block block;
    block.sampleRate = 48000;
    block.data = QByteArray(4095, '\0');
    QVERIFY(!CaculateThread::analyse(block, fft, &spectrum));
    block.data = QByteArray(8192, '\0');
    QVERIFY(CaculateThread::analyse(block, fft, &spectrum));
    for (const FrequencySpectrumElement& e : spectrum)
        QCOMPARE(e.amplitude, 0.0);
    // Enough bytes, too few samples at a stereo stride: read to the end only.
    block.data = tone(440, 48000, 2, 1024);
    block.sampleSize = 4;
    QVERIFY(CaculateThread::analyse(block, fft, &spectrum));
    QVERIFY(peakBar(spectrum) == 24 || peakBar(spectrum) == 25);
}

void TestSpectrum::tonesLightTheirBars_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QList<int>>("bars");
    QTest::newRow("440 Hz mono") << 440.0 << 1 << QList<int>{24, 25};
    QTest::newRow("440 Hz stereo") << 440.0 << 2 << QList<int>{24, 25};
    QTest::newRow("990 Hz") << 990.0 << 1 << QList<int>{56, 57};
    QTest::newRow("990 Hz stereo") << 990.0 << 2 << QList<int>{56, 57};
    QTest::newRow("100 Hz") << 100.0 << 1 << QList<int>{4, 5};
}

void TestSpectrum::tonesLightTheirBars()
{
    QFETCH(double, frequency);
    QFETCH(int, channels);
    QFETCH(QList<int>, bars);
    const TwAV::AudioFrame frame(tone(frequency, 48000, channels, 4800), 48000, channels, 0.0);
    Block block = Block::fromAudioFrame(frame);
    QCOMPARE(block.sampleSize, 2 * channels);
    FFTRealWrapper fft;
    FrequencySpectrum spectrum;
    QVERIFY(CaculateThread::analyse(block, fft, &spectrum));
    QVERIFY2(bars.contains(peakBar(spectrum)), qPrintable(QString::number(peakBar(spectrum))));
    // Full scale clips; a quiet tone does not.
    bool clipped = false;
    for (const FrequencySpectrumElement& e : spectrum)
        clipped = clipped || e.clipped;
    QVERIFY(clipped);
    block = Block::fromAudioFrame(TwAV::AudioFrame(tone(frequency, 48000, channels, 4800, 0.05), 48000, channels, 0));
    QVERIFY(CaculateThread::analyse(block, fft, &spectrum));
    for (const FrequencySpectrumElement& e : spectrum)
        QVERIFY(!e.clipped);
    QVERIFY(bars.contains(peakBar(spectrum)));
}

void TestSpectrum::barIndexIsARealDivision_data()
{
    QTest::addColumn<double>("frequency");
    QTest::addColumn<int>("bar");
    QTest::newRow("below") << 19.9 << -1;
    QTest::newRow("20") << 20.0 << 0;
    QTest::newRow("948") << 948.0 << 54;
    QTest::newRow("999") << 999.0 << 57;
    QTest::newRow("1000 reaches none") << 1000.0 << -1;
}

void TestSpectrum::barIndexIsARealDivision()
{
    QFETCH(double, frequency);
    QFETCH(int, bar);
    QCOMPARE(CSpectrum::barIndex(frequency), bar);
}

void TestSpectrum::barsFallFourPixelsPerPaint()
{
    CSpectrum spectrum;
    spectrum.resize(580, 100);
    FrequencySpectrum full(4096);
    full[100].frequency = 440;
    full[100].amplitude = 1.0;
    spectrum.onSequenceChanged(full);
    spectrum.grab();
    const int bar = CSpectrum::barIndex(440);
    const double top = spectrum.bars()[bar].top;
    QCOMPARE(top, 1.0 + 4.0);
    spectrum.onSequenceChanged(FrequencySpectrum(4096));
    for (int paint = 1; paint <= 3; ++paint) {
        spectrum.grab();
        QCOMPARE(spectrum.bars()[bar].top, top + 4.0 * paint);
    }
}

void TestSpectrum::queueKeepsTheNewest101()
{
    CaculateThread worker;
    for (int i = 0; i < 150; ++i) {
        Block b;
        b.data = QByteArray(10, char(i));
        worker.addBlock(b);
    }
    QCOMPARE(worker.waiting(), 101);
}

void TestSpectrum::widgetFeedsItsWorker()
{
    CSpectrum spectrum;
    Block empty;
    spectrum.onDealAudioFrame(empty);
    QVERIFY(!spectrum.worker());
    Block block = Block::fromAudioFrame(TwAV::AudioFrame(tone(440, 48000, 2, 4800), 48000, 2, 0));
    spectrum.onDealAudioFrame(block);
    QVERIFY(spectrum.worker());
    QTRY_VERIFY_WITH_TIMEOUT(spectrum.bars()[24].value > 0.5 || spectrum.bars()[25].value > 0.5, 5000);
    QCOMPARE(spectrum.bars()[0].value, 0.0);
}

void TestSpectrum::destroyedWithABusyWorker()
{
    auto* spectrum = new CSpectrum;
    Block block = Block::fromAudioFrame(TwAV::AudioFrame(tone(440, 48000, 2, 48000), 48000, 2, 0));
    for (int i = 0; i < 120; ++i)
        spectrum->onDealAudioFrame(block);
    QTRY_VERIFY(spectrum->worker()->isRunning());
    QPointer<CaculateThread> worker = spectrum->worker();
    delete spectrum;
    QVERIFY(!worker);
}

QTEST_MAIN(TestSpectrum)
#include "tst_spectrum.moc"
