#pragma once

// Scripted answers of the fake downloader used by the download tests,
// chosen by a text in the job's address.

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace FakeScripts {

inline QJsonObject downloads()
{
    static const char* const text = R"({
  "default": {
    "files": {"{arg:-o}": "media data"},
    "steps": [
      {"stdout": "[generic] x: Downloading webpage\n[download] Destination: temp.mp4\n\r[download]  50.0% of 1KiB", "delay": 0.05},
      {"stdout": "\r[download] 100% of 1KiB in 00:00:00\n"}
    ]
  },
  "contains": [
    {"text": "/delay/", "answer": {
      "files": {"{arg:-o}": "media data"},
      "steps": [
        {"stdout": "[download]  10.0% of 1KiB\n", "delay": 0.2},
        {"stdout": "[download] 100% of 1KiB in 00:00:01\n"}
      ]}},
    {"text": "/slow", "answer": {
      "files": {"{arg:-o}": "media data"},
      "steps": [
        {"stdout": "[download]  10.0% of 1KiB\n", "delay": 30},
        {"stdout": "[download] 100% of 1KiB in 00:00:30\n"}
      ]}},
    {"text": "/child", "answer": {
      "grandchild": true,
      "steps": [{"stdout": "[download]  10.0% of 1KiB\n", "delay": 30}]}},
    {"text": "/fail", "answer": {"stderr": "ERROR: Unable to download webpage\n", "exit": 1}},
    {"text": "/noformat", "answer": {"stderr": "ERROR: [generic] v: Requested format is not available. Use --list-formats\n", "exit": 1}},
    {"text": "/drop3", "answer": {"stdout": "[download]  40.0% of 1KiB\n", "exit": 3}},
    {"text": "/drop", "answer": {"stdout": "[download]  40.0% of 1KiB\n", "exit": 1}},
    {"text": "/merge", "answer": {
      "files": {"temp.mp4.mkv": "merged media"},
      "stdout": "[download] Destination: temp.f0.mp4\n[download] 100% of 1KiB in 00:00:00\n[download] Destination: temp.f1.m4a\n[download] 100% of 1KiB in 00:00:00\n[Merger] Merging formats into \"temp.mp4.mkv\"\n"}},
    {"text": "/othername", "answer": {
      "files": {"other.mp4": "media under another name"},
      "stdout": "[download] Destination: temp.mp4\n[download] 100% of 1KiB in 00:00:00\n"}},
    {"text": "/silentmedia", "answer": {"files": {"other.webm": "media the parser never heard of"}}},
    {"text": "/subsonly", "answer": {
      "files": {"temp.en.vtt": "WEBVTT"},
      "stdout": "[download] Destination: temp.en.vtt\n[download] 100% of 44.00B in 00:00:00\n"}}
  ]
})";
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

} // namespace FakeScripts
