// The help files' rich text: any bytes give a document, never a crash or a hang.
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/rtf_reader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Fonts and colours of a text document want a running application.
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTextDocument document;
    ribaku::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size), document);
    // The laid-out document is what the help dialog shows.
    document.setTextWidth(400);
    (void)document.size();
    return 0;
}
