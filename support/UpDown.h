// An up-down spinner: two small arrow buttons that step an integer position
// between Min and Max. Bound to an edit, it writes its position into the edit
// as plain decimal text (no thousands separator) and answers the edit's Up and
// Down arrow keys, as the classic spinner beside a read-only number edit does.
#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* AParent, const QString& AName = QString());

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Position() const { return FPosition; }
    void SetMin(int AValue);
    void SetMax(int AValue);
    // Clamps AValue to Min..Max; writes the associated edit's text.
    void SetPosition(int AValue);

    // Binds the spinner to AEdit (nullptr unbinds) and writes the position into it.
    void Associate(QLineEdit* AEdit);
    QLineEdit* Associated() const { return FAssociate; }

    // One step up or down, as a click on the arrow buttons does.
    void StepUp() { SetPosition(FPosition + 1); }
    void StepDown() { SetPosition(FPosition - 1); }

    QToolButton* UpButton() const { return FUpButton; }
    QToolButton* DownButton() const { return FDownButton; }

    QSize sizeHint() const override { return {16, 21}; }

signals:
    void PositionChanged(int APosition);

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;
    void wheelEvent(QWheelEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;
    void changeEvent(QEvent* AEvent) override;

private:
    void WriteAssociate();
    void UpdateButtons();

    QToolButton* FUpButton;
    QToolButton* FDownButton;
    QPointer<QLineEdit> FAssociate;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
};
