// A PDF written by the program, read back with poppler's tools (poppler-utils,
// installed by scripts/deps.sh): its text as laid out on the pages, and its
// document information (pages, page size).
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace PdfReading {

// The text of a PDF as poppler reads it; empty where pdftotext is missing or fails.
inline QString Text(const QString& AFileName) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), AFileName, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString Info(const QString& AFileName) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {AFileName});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline bool Available() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

} // namespace PdfReading

#define REQUIRE_POPPLER()                                                                          \
    if (!PdfReading::Available())                                                                  \
    QSKIP("pdftotext (poppler-utils, installed by scripts/deps.sh) is needed to read the PDF")
