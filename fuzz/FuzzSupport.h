#pragma once

// What the fuzz targets share: the check that turns a broken rule into a finding, the
// input as text, and the application object that documents need.

#include "platform/TextDecoding.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

namespace FuzzSupport {

// A broken rule aborts, so libFuzzer keeps the input as a crash.
inline void check(bool condition) {
    if (!condition)
        std::abort();
}

// The bytes as a file of this program would be read: UTF-8, or else Windows-1252.
inline QString textOf(const uint8_t* data, size_t size) {
    return TextDecoding::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))
        .text;
}

// Documents measure text with fonts, which need an application object.
inline void startGuiApplication(int* argc, char*** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
}

} // namespace FuzzSupport
