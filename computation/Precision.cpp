#include "Precision.h"

#include "Cancel.h"
#include "ComputationHost.h"
#include "LanguageSupport.h"
#include "NumberFormat.h"
#include "UpDown.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int ClientWidth = 123;
constexpr int ClientHeight = 92;

} // namespace

void PlaceOnHost(QWidget* ADialog, TComputationHost* AHost) {
    QWidget* host = AHost ? AHost->HostWindow() : nullptr;
    if (!host)
        return;
    const QRect hostFrame = host->window()->frameGeometry();
    const QSize size = ADialog->frameGeometry().size();
    QPoint topLeft(hostFrame.center().x() - size.width() / 2,
                   hostFrame.center().y() - size.height() / 2);
    // The draft panel widens the host to the right; the dialog stays over the
    // window's own part.
    topLeft.rx() -= AHost->OpenDraftPanelWidth() / 2;
    ADialog->move(topLeft);
}

TFormPrecision::TFormPrecision(TComputationHost* AHost, TPrecision APrecision,
                               std::function<void(TPrecision)> APreview)
    : QDialog(AHost ? AHost->HostWindow() : nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FHost(AHost), FPreview(std::move(APreview)), ENewPrecision(new QLineEdit(this)),
      UDNewPrecision(new TUpDown(this, QStringLiteral("UDNewPrecision"))),
      FrameCancel(new TFrameCancel(this)), BOK(new QPushButton(this)) {
    setObjectName(QStringLiteral("FormPrecision"));
    setFixedSize(ClientWidth, ClientHeight);

    ENewPrecision->setObjectName(QStringLiteral("ENewPrecision"));
    ENewPrecision->setReadOnly(true);
    ENewPrecision->setMaxLength(2);
    ENewPrecision->setAlignment(Qt::AlignRight);
    ENewPrecision->setText(QStringLiteral("0"));
    // Edit and spinner side by side, centred over the button.
    ENewPrecision->setGeometry(34, 16, 40, 21);
    UDNewPrecision->setGeometry(74, 16, 16, 21);
    UDNewPrecision->Associate(ENewPrecision);

    // Outside the client area: never seen, it only answers Escape.
    FrameCancel->move(0, 100);

    BOK->setObjectName(QStringLiteral("BOK"));
    BOK->setGeometry(24, 54, 75, 25);
    BOK->setDefault(true);
    connect(BOK, &QPushButton::clicked, this, &QDialog::accept);

    UDNewPrecision->SetMin(0);
    UDNewPrecision->SetMax(MaxPrecision);
    UDNewPrecision->SetPosition(qMin<int>(APrecision, MaxPrecision));
    SetLanguage();
    // Connected last: building the dialog previews nothing.
    connect(ENewPrecision, &QLineEdit::textChanged, this, &TFormPrecision::ENewPrecisionChange);
    ENewPrecision->setFocus();
}

void TFormPrecision::SetLanguage() {
    setWindowTitle(LanguageText(QStringLiteral("TFormPrecision"), QStringLiteral("Caption")));
    BOK->setText(LanguageText(QStringLiteral("Buttons"), QStringLiteral("OK")));
    // The edit has no caption: the window's title says what it holds.
    ENewPrecision->setAccessibleName(windowTitle());
    UDNewPrecision->setAccessibleName(windowTitle());
}

TPrecision TFormPrecision::NewPrecision() const {
    return static_cast<TPrecision>(UDNewPrecision->Position());
}

void TFormPrecision::ENewPrecisionChange() {
    if (FPreview)
        FPreview(NewPrecision());
}

void TFormPrecision::showEvent(QShowEvent* AEvent) {
    QDialog::showEvent(AEvent);
    FrameCancel->setFocusPolicy(Qt::NoFocus);
    // Placed once, when first shown; later activations leave it where the user put it.
    if (!FPlaced) {
        FPlaced = true;
        PlaceOnHost(this, FHost);
    }
}
