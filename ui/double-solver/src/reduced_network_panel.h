#pragma once

#include <QWidget>
#include <array>

class QLineEdit;

namespace orven::double_solver {

class ReducedNetworkPicture;

// The reduced network's picture with the fields that show the populations of its classes
// (Text5(0..3)) to its right, each level with its class's buffer however the picture is
// scaled.
class ReducedNetworkPanel final : public QWidget {
  public:
    ReducedNetworkPanel(std::array<QLineEdit*, 4> fields, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    int fieldWidth() const;

    ReducedNetworkPicture* picture_;
    std::array<QLineEdit*, 4> fields_;
};

}  // namespace orven::double_solver
