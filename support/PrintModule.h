// What the program and its print module share. Qt Print Support is loaded with the
// module when the user first prints (the level table's dip chart), not at start-up:
// only the level table asks for it.
#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <QtPlugin>

#include <functional>

class QPagedPaintDevice;
class QWidget;

class TPrintService {
public:
    virtual ~TPrintService() = default;
    // The print dialog, owned by AParent and titled ACaption, for a document called
    // ADocument on APageSize with AMargins in millimetres. Once the user accepts,
    // APaint paints on the printer (set up, not yet begun). False when cancelled.
    virtual bool Print(QWidget* AParent, const QString& ACaption, const QString& ADocument,
                       const QPageSize& APageSize, const QMarginsF& AMargins,
                       const std::function<void(QPagedPaintDevice&)>& APaint) const = 0;
};

#define KAVORIN_PRINT_SERVICE_IID "com.ternwick.Kavorin.PrintService/1"
Q_DECLARE_INTERFACE(TPrintService, KAVORIN_PRINT_SERVICE_IID)
