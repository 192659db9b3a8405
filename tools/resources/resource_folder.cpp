#include "resource_folder.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

ResourceFolder::ResourceFolder(const QString& path) : dir_(path) {
    if (!dir_.mkpath(".")) report(path);
}

void ResourceFolder::report(const QString& file) {
    std::fprintf(stderr, "make_resources: cannot write %s\n", qPrintable(dir_.filePath(file)));
    failed_ = true;
}

void ResourceFolder::saveImage(const QString& file, const QImage& image) {
    const QByteArray format = QFileInfo(file).suffix().toUpper().toLatin1();
    if (image.save(dir_.filePath(file), format.constData())) {
        saved_ << file;
    } else {
        report(file);
    }
}

bool ResourceFolder::writeBytes(const QString& file, const QByteArray& bytes) {
    QSaveFile out(dir_.filePath(file));
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit()) {
        return true;
    }
    report(file);
    return false;
}

void ResourceFolder::saveText(const QString& file, const QByteArray& text) {
    if (writeBytes(file, text)) saved_ << file;
}

void ResourceFolder::saveQrc(const QString& file, const std::vector<ListedFile>& others) {
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/res\">\n";
    for (const QString& name : saved_) {
        qrc += "    <file>" + name.toUtf8() + "</file>\n";
    }
    for (const ListedFile& other : others) {
        const QByteArray alias =
            other.alias.isEmpty() ? QByteArray() : " alias=\"" + other.alias.toUtf8() + "\"";
        qrc += "    <file" + alias + ">" + other.file.toUtf8() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    writeBytes(file, qrc);
}
