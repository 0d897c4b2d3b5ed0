// Renders the program's pictures into a PNG contact sheet for review, or the
// application icon into a PNG of a given size (for the Windows and freedesktop icons).
#include "ResourceLoading.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

const QStringList AllTypes{QStringLiteral("GIF_DRAFT"), QStringLiteral("GIF_FORMULA"),
                           QStringLiteral("JPG"), QStringLiteral("BITMAP"), QStringLiteral("ICON")};

struct TCell {
    QString Caption;
    QImage Normal; // 1x
    QImage Double; // 2x, drawn at twice the size
};

QImage Render(const QString& AType, const QString& AName, qreal ARatio) {
    QPixmap pixmap = LoadResourcePixmap(AType, AName, QSize(), ARatio);
    QImage image = pixmap.toImage();
    image.setDevicePixelRatio(1.0);
    return image;
}

// A checkerboard shows which parts of a picture are transparent.
void PaintChecker(QPainter& APainter, const QRect& ARect) {
    APainter.save();
    APainter.setClipRect(ARect);
    const int cell = 8;
    for (int y = ARect.top(); y < ARect.bottom(); y += cell)
        for (int x = ARect.left(); x < ARect.right(); x += cell)
            APainter.fillRect(QRect(x, y, cell, cell),
                              ((x - ARect.left()) / cell + (y - ARect.top()) / cell) % 2
                                  ? QColor(226, 226, 226)
                                  : QColor(247, 247, 247));
    APainter.restore();
}

// The main window's buttons over its background, to check that every text stays legible.
QImage MainWindowPreview(const QString& ABackground, qreal AScale) {
    const QSize size(qRound(448 * AScale), qRound(336 * AScale));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(QRect(QPoint(0, 0), size),
                      LoadResourcePixmap(QStringLiteral("JPG"), ABackground, size, 1.0).toImage());
    painter.scale(AScale, AScale);
    struct TButton {
        int Left, Top, Width;
        const char* Text;
    };
    const TButton buttons[] = {
        {78, 32, 90, "Formulas"},
        {324, 32, 90, "Settings"},
        {78, 290, 90, "Help"},
        {324, 290, 90, "About"},
        {34, 97, 90, "Cube"},
        {34, 129, 90, "Block"},
        {34, 161, 90, "Sphere"},
        {34, 193, 90, "Cone"},
        {34, 225, 90, "Cylinder"},
        {156, 113, 90, "Pyramid"},
        {156, 145, 90, "Prism"},
        {137, 177, 128, "Truncated cone"},
        {137, 209, 128, "Truncated pyramid"},
        {288, 113, 128, "Cylindrical tank"},
        {288, 145, 128, "Spherical segment"},
        {288, 177, 128, "Spherical sector"},
        {288, 209, 128, "Spherical frustum"},
    };
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const TButton& button : buttons)
        painter.drawText(QRect(button.Left, button.Top, button.Width, 19), Qt::AlignCenter,
                         QString::fromLatin1(button.Text));
    const struct {
        int Left, Top;
        const char* Name;
    } icons[] = {{38, 24, "MAIN_FORMULAS"},
                 {284, 24, "MAIN_SETTINGS"},
                 {38, 282, "MAIN_HELP"},
                 {284, 282, "MAIN_ABOUT"}};
    for (const auto& icon : icons)
        painter.drawPixmap(QRect(icon.Left, icon.Top, 32, 32),
                           LoadResourcePixmap(QStringLiteral("ICON"),
                                              QString::fromLatin1(icon.Name), QSize(), AScale));
    return image;
}

int WriteSheet(const QString& AFileName, const QStringList& ATypes) {
    QList<TCell> cells;
    for (const QString& type : ATypes) {
        const QStringList files =
            QDir(QStringLiteral(":/") + type).entryList(QDir::Files, QDir::Name);
        for (const QString& file : files) {
            const QString name = file.section(QLatin1Char('.'), 0, 0);
            const QSize size = ResourceSize(type, name);
            cells.append({QStringLiteral("%1/%2  %3 x %4")
                              .arg(type, name)
                              .arg(size.width())
                              .arg(size.height()),
                          Render(type, name, 1.0), Render(type, name, 2.0)});
        }
        if (type == QLatin1String("JPG")) {
            cells.append({QStringLiteral("preview: main window 1x / 2x"),
                          MainWindowPreview(QStringLiteral("MAIN_BACKGROUND448"), 1.0),
                          MainWindowPreview(QStringLiteral("MAIN_BACKGROUND1024"), 2.0)});
        }
    }

    const int margin = 16, gap = 12, captionHeight = 18, sheetWidth = 2400;
    // Lay the cells out in rows, left to right.
    struct TPlaced {
        const TCell* Cell;
        QPoint At;
    };
    QList<TPlaced> placed;
    int x = margin, y = margin, rowHeight = 0;
    for (const TCell& cell : cells) {
        const int width = std::max(cell.Normal.width() + gap + cell.Double.width(), 260);
        const int height = captionHeight + std::max(cell.Normal.height(), cell.Double.height());
        if (x > margin && x + width > sheetWidth - margin) {
            x = margin;
            y += rowHeight + 2 * gap;
            rowHeight = 0;
        }
        placed.append({&cell, QPoint(x, y)});
        x += width + 3 * gap;
        rowHeight = std::max(rowHeight, height);
    }
    const int sheetHeight = y + rowHeight + margin;

    QImage sheet(sheetWidth, sheetHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(190, 196, 204));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    for (const TPlaced& p : placed) {
        painter.setPen(Qt::black);
        painter.drawText(p.At + QPoint(0, 13), p.Cell->Caption);
        const QPoint normalAt = p.At + QPoint(0, captionHeight);
        const QPoint doubleAt = normalAt + QPoint(p.Cell->Normal.width() + gap, 0);
        PaintChecker(painter, QRect(normalAt, p.Cell->Normal.size()));
        PaintChecker(painter, QRect(doubleAt, p.Cell->Double.size()));
        painter.drawImage(normalAt, p.Cell->Normal);
        painter.drawImage(doubleAt, p.Cell->Double);
    }
    painter.end();
    if (!sheet.save(AFileName)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(AFileName));
        return 1;
    }
    std::printf("%lld pictures written to %s\n", static_cast<long long>(cells.size()),
                qPrintable(AFileName));
    return 0;
}

int WriteIcon(int ASize, const QString& AFileName) {
    const QImage image = LoadResourcePixmap(QStringLiteral("ICON"), QStringLiteral("KAVORIN"),
                                            QSize(ASize, ASize), 1.0)
                             .toImage();
    return image.save(AFileName) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    try {
        if (arguments.size() == 3 && arguments[0] == QLatin1String("--icon"))
            return WriteIcon(arguments[1].toInt(), arguments[2]);
        if (arguments.size() == 5 && arguments[0] == QLatin1String("--picture"))
            return Render(arguments[1], arguments[2], arguments[3].toDouble()).save(arguments[4])
                       ? 0
                       : 1;
        if (!arguments.isEmpty() && !arguments[0].startsWith(QLatin1Char('-'))) {
            const QStringList types = arguments.size() > 1 ? arguments.mid(1) : AllTypes;
            return WriteSheet(arguments[0], types);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: kavorin_picture_sheet OUT.png [TYPE...]\n"
                         "       kavorin_picture_sheet --icon SIZE OUT.png\n"
                         "       kavorin_picture_sheet --picture TYPE NAME RATIO OUT.png\n");
    return 2;
}
