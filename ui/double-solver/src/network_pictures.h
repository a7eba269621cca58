#pragma once

#include <QWidget>

namespace orven::double_solver {

// The double network (Picture1): synchronization station 1 joins the buffers n1, n2 and n3,
// its output enters buffer n4 of synchronization station 2, which also joins n5 and n6; at the
// lower left one input stream forks into λ3(n3) and λ6(n6); station 2's output leaves.
class DoubleNetworkPicture final : public QWidget {
  public:
    explicit DoubleNetworkPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The reduced network (Picture2): one synchronization station joins the buffers n1', n2', n5'
// and n3' from top to bottom; its output leaves.
class ReducedNetworkPicture final : public QWidget {
  public:
    explicit ReducedNetworkPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    // The height of buffer k (0..3, from the top) in the widget's coordinates, as drawn now.
    double bufferHeight(int k) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orven::double_solver
