#include "savegame/save_lines.h"

namespace cw {
namespace {

constexpr SaveLine Position(Value GameState::*field) { return {SaveKind::Position, field}; }
constexpr SaveLine Location(std::string GameState::*field) { return {SaveKind::Location, nullptr, field}; }
constexpr SaveLine Stat16(Int16 GameState::*field, Element* Elements::*shown_in = nullptr) {
  return {SaveKind::Stat16, nullptr, nullptr, field, nullptr, shown_in};
}
constexpr SaveLine Stat32(Int32 GameState::*field) { return {SaveKind::Stat32, nullptr, nullptr, nullptr, field}; }
constexpr SaveLine Item(Element* Elements::*image) {
  return {SaveKind::Item, nullptr, nullptr, nullptr, nullptr, image};
}
constexpr SaveLine Points(Element* Elements::*label) {
  return {SaveKind::Points, nullptr, nullptr, nullptr, nullptr, label};
}

}  // namespace

// Lines are applied in file order: the location is loaded after the offsets and before the position.
const std::array<SaveLine, kSaveLineCount> kSaveLines = {
    Position(&GameState::helpXCity),
    Position(&GameState::helpYCity),
    Location(&GameState::GamePhase),
    Position(&GameState::My_x),
    Position(&GameState::My_y),
    Stat16(&GameState::Strength, &Elements::lblStrenght),
    Stat16(&GameState::Endurance, &Elements::lblEndurance),
    Stat16(&GameState::Vitality, &Elements::lblVitality),
    Stat16(&GameState::Ultimate, &Elements::lblUltimate),
    Stat16(&GameState::Healing, &Elements::lblHealing),
    Stat32(&GameState::Experience),
    Stat32(&GameState::ExperienceNeeded),
    Stat16(&GameState::Level, &Elements::lblLevel),
    Stat16(&GameState::Life),
    Item(&Elements::imgKey),
    Item(&Elements::imgCard),
    Points(&Elements::lblPoints),
};

}  // namespace cw
