#pragma once

// Media files for the player tests, made by the real ffmpeg on first use in
// one temporary folder per test process. Clips are short so real-time
// playback keeps tests quick.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace AvTestMedia {

QString folder();
// ffmpeg with the arguments; false (with the output logged) on failure.
bool runFfmpeg(const QStringList& args);
// 3 s, 320x240 at 25 fps, key frame every second, 440 Hz stereo AAC.
QString h264Aac();
// The same as an HLS VOD playlist of 1 s segments ("hls/index.m3u8").
QString hlsPlaylist();
// 2 s VP9 320x240 at 25 fps with a 440 Hz Opus track.
QString vp9Opus();
// 3 s H.264 with two audio tracks (440 Hz "eng", 1000 Hz "fre") and an
// English mov_text subtitle.
QString twoAudioWithSubtitle();
// 3 s 1920x1080 H.264 at 25 fps with AAC sound.
QString h264Full(int seconds = 3);
// 2 s MP3 (440 Hz) with a PNG cover picture.
QString mp3WithCover();
QString textFile();
// Two English WebVTT cues over 3 s ("clip.en.vtt").
QString englishWebVtt();
// 1 s of 440 Hz at half scale, 48 kHz S16 WAV: the same tone in every channel
// for 1 (mono) and 2, only the front left and right of 6 (5.1) sound.
QString toneWav(int channels);
// The frame ffmpeg itself gives at `ms` (precise seek), as RGB32.
QImage ffmpegFrameAt(const QString& file, qint64 ms);
// Mean absolute difference per channel, 0..255 (255 for different sizes).
double imageDifference(const QImage& a, const QImage& b);
// Frequency of interleaved S16 stereo (left channel) by zero crossings.
double toneFrequency(const QByteArray& s16Stereo, int sampleRate);
// Peak absolute sample value.
int peakLevel(const QByteArray& s16Stereo);

// Media for the site tests (engine and windows), served by a test's local
// server to the real downloader. Small, so analysing and downloading stay quick.
// 2 s 160x120 H.264 at 10 fps with 440 Hz AAC, as "<name>.mp4".
QString siteClip(const QString& name);
// A WebVTT file "<name>" with one cue reading text.
QString webVtt(const QString& name, const QString& text);
// An HLS master playlist ("hlsmaster/master.m3u8") of two 2 s variants,
// 320x180 ("180/index.m3u8") and 640x360 ("360/index.m3u8"), each H.264
// with AAC in 1 s segments.
QString hlsMaster();

} // namespace AvTestMedia
