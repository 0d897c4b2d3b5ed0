// The print module: Qt Print Support's printer and print dialog, loaded by the
// level table when the user first prints.
#include "PrintModule.h"

#include <QObject>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

class TPrintModule : public QObject, public TPrintService {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KAVORIN_PRINT_SERVICE_IID)
    Q_INTERFACES(TPrintService)
public:
    bool Print(QWidget* AParent, const QString& ACaption, const QString& ADocument,
               const QPageSize& APageSize, const QMarginsF& AMargins,
               const std::function<void(QPagedPaintDevice&)>& APaint) const override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(APageSize);
        printer.setPageMargins(AMargins, QPageLayout::Millimeter);
        printer.setDocName(ADocument);
        QPrintDialog dialog(&printer, AParent);
        dialog.setWindowTitle(ACaption);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        APaint(printer);
        return true;
    }
};

#include "PrintModule.moc"
