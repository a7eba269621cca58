#pragma once

#include <QAbstractButton>

namespace orven::double_solver {

// A small drawn picture that acts as a button, with its label beside it; clicking either one
// presses it.
class PictureButton final : public QAbstractButton {
  public:
    enum class Picture { Back, Print, Exit };

    PictureButton(Picture picture, const QString& label, QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void drawPicture(QPainter& painter, const QRectF& box) const;

    Picture picture_;
};

}  // namespace orven::double_solver
