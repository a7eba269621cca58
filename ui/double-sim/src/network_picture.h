#pragma once

#include "orven/ui/sim_kit/network_diagram.h"

namespace orven::double_sim {

// The drawing of the double network in the diagram's numbering: streams λ1(n1), λ2(n2) and
// λ3(n3) into queues n1, n2, n3 before bar 1; its output λ4(n4) into queue n4 before bar 2,
// with queue n5 (stream λ5(n5)) and queue n6, whose stream λ6(n6) forks off the line that
// feeds n3; the output of bar 2 leaves to the right.
class NetworkPicture final : public ui::NetworkDiagram {
  public:
    explicit NetworkPicture(QWidget* parent = nullptr) : NetworkDiagram({430, 250}, parent) {}

  protected:
    void draw(QPainter& painter) override;
};

}  // namespace orven::double_sim
