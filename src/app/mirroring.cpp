#include "app/mirroring.h"

namespace kelvoro {

Mirroring MirroringFor(Direction direction) {
  const bool right_to_left = direction == Direction::kRightToLeft;
  return Mirroring{right_to_left, right_to_left};
}

bool DrawnMirrored(Art art, const Mirroring& mirroring) {
  return mirroring.mirrored && art == Art::kArrow;
}

bool ReadsRightToLeft(bool translated, const Mirroring& mirroring) {
  return translated && mirroring.right_to_left_reading;
}

Alignment ShownAlignment(Alignment design, const Mirroring& mirroring) {
  if (!mirroring.mirrored) return design;
  switch (design) {
    case Alignment::kLeft:
      return Alignment::kRight;
    case Alignment::kRight:
      return Alignment::kLeft;
    case Alignment::kCentre:
      break;
  }
  return Alignment::kCentre;
}

}  // namespace kelvoro
