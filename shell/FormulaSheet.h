// The formula sheets' common base: a scrolling white page of captions and formula
// pictures, closed with Escape or Enter. The sheet for solids (StereometricalFormulas.h)
// and the sheet for plane figures (PlanimetricalFormulas.h) derive from it.
#pragma once

#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class QLabel;
class QScrollArea;
class TFrameCancel;

class TFormulaSheet : public QDialog {
    Q_OBJECT
public:
    // Controls of the page stand at this left edge.
    static constexpr int PageLeft = 16;
    // Pixels per arrow step of the scroll bar and per wheel notch.
    static constexpr int ScrollStep = 30;
    static constexpr int ScrollBarWidth = 12;

    QScrollArea* ScrollArea() const { return FScrollArea; }
    // The page inside the scroll area; captions and pictures are its children.
    QWidget* Page() const { return FPage; }
    TFrameCancel* FrameCancel() const { return FFrameCancel; }
    // The window's outer size (frame included) once shown.
    QSize OuterSize() const { return FOuterSize; }

    // Puts the "GIF_FORMULA" picture AResourceName into AImage at its natural size.
    // Tests replace it; the default is LoadGIFResource.
    static std::function<void(const QString& AResourceName, QLabel* AImage)> LoadPicture;

protected:
    TFormulaSheet(QWidget* AOwner, const QSize& AOuterSize);

    // Places caption ALabel below APrevious (none: at the top of the page) and AImage,
    // if any, below ALabel: 16 pixels from the top; 32 pixels below a picture and 16
    // below a caption; a picture 16 pixels below its caption.
    void StackBelow(QLabel* ALabel, QLabel* AImage, QLabel* APrevious);

    // A caption: bold Verdana of APixelSize, in AColor.
    QLabel* AddCaption(const QString& AName, int APixelSize, const QColor& AColor);
    // A picture, sized to its picture when it is loaded.
    QLabel* AddImage(const QString& AName);
    // The empty 16-pixel label that ends the page.
    QLabel* AddEndLabel();

    // Loads every picture, in creation order; AResourceName names the picture of an
    // image. A picture that cannot be decoded stops the loading of the rest.
    void LoadPictures(const std::function<QString(const QLabel*)>& AResourceName);
    // Puts EndLabel at ALast's bottom and makes the page end with it.
    void FinishPage(QLabel* ALast);

    void showEvent(QShowEvent* AEvent) override;
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override;

private:
    // Keeps the outer size once the window system tells its frame, and centres the
    // window on its owner.
    void FitOuterSize();
    void ScrollByNotches(int ANotches);

    QSize FOuterSize;
    QScrollArea* FScrollArea;
    QWidget* FPage;
    TFrameCancel* FFrameCancel;
    QLabel* FEndLabel = nullptr;
    QList<QLabel*> FImages;
    int FWheelRemainder = 0;
    bool FFitted = false;
};
