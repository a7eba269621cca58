#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace orven::double_solver {

// A light paper texture stretched over its whole area, with a rectangle of four lines drawn
// around another widget of the same window.
class PaperBackground final : public QWidget {
  public:
    explicit PaperBackground(QWidget* parent = nullptr);
    // The widget that the rectangle frames.
    void frame(QWidget* framed) { framed_ = framed; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage texture_;
    QPointer<QWidget> framed_;
};

}  // namespace orven::double_solver
