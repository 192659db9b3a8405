#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// A file of data/resources made elsewhere, listed in the resource file under its alias
// (or its own name when the alias is empty).
struct ListedFile {
    QString file;
    QString alias;
};

// Writes the generated files into data/resources and the Qt resource file that compiles
// them, and the files other generators put there, into the program.
class ResourceFolder {
public:
    explicit ResourceFolder(const QString& path);

    void saveImage(const QString& file, const QImage& image);
    void saveText(const QString& file, const QByteArray& text);
    // Lists, under the prefix "/res", every file saved so far and then `others`.
    void saveQrc(const QString& file, const std::vector<ListedFile>& others);

    bool failed() const { return failed_; }

private:
    bool writeBytes(const QString& file, const QByteArray& bytes);
    void report(const QString& file);

    QDir dir_;
    QStringList saved_;
    bool failed_ = false;
};
