#pragma once

#include "orven/ui/sim_kit/network_diagram.h"

namespace orven::simple_sim {

// The drawing of the model: three sources λi(ni) feeding the buffers n1..n3 of one
// synchronization station, with a single output.
class ModelPicture final : public ui::NetworkDiagram {
  public:
    explicit ModelPicture(QWidget* parent = nullptr) : NetworkDiagram({260, 170}, parent) {}

  protected:
    void draw(QPainter& painter) override;
};

}  // namespace orven::simple_sim
