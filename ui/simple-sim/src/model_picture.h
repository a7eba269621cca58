#pragma once

#include <QWidget>

namespace orven::simple_sim {

// The drawing of the model: three sources λi(ni) feeding the buffers n1..n3 of one
// synchronization station, with a single output.
class ModelPicture final : public QWidget {
  public:
    explicit ModelPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {260, 170}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orven::simple_sim
