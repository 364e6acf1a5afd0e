#pragma once
// A picture control: draws the vector picture ":/pictures/bitmap<id>.svg"
// into its rectangle, keeping the aspect ratio, crisp at any device pixel
// ratio. Without such a picture it shows a plain placeholder frame.

#include <QWidget>
#include <memory>

class QSvgRenderer;

namespace platform {

class PictureWidget : public QWidget {
  public:
    PictureWidget(int pictureId, QWidget* parent);
    ~PictureWidget() override;

    int PictureId() const { return pictureId_; }
    bool HasPicture() const;
    static QString ResourcePath(int pictureId);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int pictureId_;
    std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace platform
