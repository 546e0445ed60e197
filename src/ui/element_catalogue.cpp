#include "ui/element_catalogue.h"

#include <iterator>

namespace cw {
namespace {

constexpr auto S = ElementKind::Surface;
constexpr auto L = ElementKind::Label;
constexpr auto I = ElementKind::Image;
constexpr auto B = ElementKind::Button;
constexpr auto H = ElementKind::Highlight;
constexpr auto M = ElementKind::MediaPlayer;
constexpr bool shown = true, hidden = false, sized = true, fixed = false;
constexpr uint32_t kRedText = 0x000000FF, kGreenText = 0x0000FF00, kDarkRedBack = 0x000000C0;
constexpr uint32_t kBlueMark = 0x00800000, kGrey = 0x00404040;

// name, kind, parent, left, top, width, height, start, sized, picture, caption, back, fore, points, bold, border
const ElementSpec kCatalogue[] = {
    {"picStartUp_base", S, nullptr, 728, 520, 800, 600, hidden, sized, nullptr, "", 0, 0, 12, false, 0},
    {"picStartUp_mirror", S, nullptr, 696, 496, 799, 600, hidden, sized, "picStartUp_mirror.jpg", "", 0, 0, 12, false,
     0},
    {"picInGame", S, nullptr, 664, 472, 330, 419, hidden, sized, "picInGame.jpg", "", 0, 0, 12, false, 0},
    {"img1", H, "picInGame", 64, 112, 201, 33, hidden, fixed, nullptr, "", kBlueMark, 0, 12, false, 0},
    {"img2", H, "picInGame", 64, 176, 201, 33, hidden, fixed, nullptr, "", kBlueMark, 0, 12, false, 0},
    {"img3", H, "picInGame", 64, 272, 201, 33, hidden, fixed, nullptr, "", kBlueMark, 0, 12, false, 0},
    {"img4", H, "picInGame", 32, 368, 257, 33, hidden, fixed, nullptr, "", kBlueMark, 0, 12, false, 0},
    {"picRIP", S, nullptr, 624, 448, 500, 375, hidden, sized, "picRIP.jpg", "", 0, 0, 12, false, 0},
    {"MP1", M, nullptr, 0, 0, 0, 0, hidden, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"picStory", S, nullptr, 584, 408, 800, 600, hidden, sized, "picStory.jpg", "", 0, 0, 12, false, 0},
    {"picStory_little", S, "picStory", 163, 560, 485, 19, hidden, sized, "picStory_little.bmp", "", 0, 0, 12, false, 0},
    {"picStory_help", S, "picStory", 144, 96, 304, 336, hidden, sized, nullptr, "", 0, 0, 12, false, 0},
    {"picBlood", S, nullptr, 336, 136, 32, 32, hidden, sized, "picBlood.bmp", "", 0, 0, 12, false, 0},
    {"picCred", S, nullptr, 536, 376, 497, 464, hidden, sized, "picCred.jpg", "", 0, 0, 12, false, 0},
    {"cmdExit_cred", B, "picCred", 464, 8, 17, 17, shown, fixed, nullptr, "X", kDarkRedBack, 0x00FFFFFF, 12, true, 0},
    {"picMenu", S, nullptr, 496, 336, 800, 600, hidden, fixed, "picMenu.jpg", "", kGrey, 0, 12, false, 0},
    {"Picture3", S, "picMenu", 256, 184, 308, 29, hidden, sized, "Picture3.bmp", "", 0, 0, 12, false, 0},
    {"Picture4", S, "picMenu", 176, 272, 469, 29, hidden, sized, "Picture4.bmp", "", 0, 0, 12, false, 0},
    {"Picture5", S, "picMenu", 296, 360, 237, 29, hidden, sized, "Picture5.bmp", "", 0, 0, 12, false, 0},
    {"Picture6", S, "picMenu", 24, 568, 61, 15, hidden, sized, "Picture6.bmp", "", 0, 0, 12, false, 0},
    {"Image2", I, "picMenu", 248, 176, 305, 33, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"Image3", I, "picMenu", 168, 264, 473, 33, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"Image4", I, "picMenu", 288, 352, 241, 33, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"Image5", I, "picMenu", 16, 568, 73, 17, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"first_aid", S, nullptr, 296, 144, 19, 19, hidden, sized, "first_aid.bmp", "", 0, 0, 12, false, 0},
    {"boss_life", S, nullptr, 272, 120, 400, 20, hidden, sized, "boss_life.bmp", "", 0, 0, 12, false, 0},
    {"picShot_boss", S, nullptr, 272, 144, 19, 19, hidden, sized, "picShot_boss.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy3_1", S, nullptr, 8, 64, 62, 70, hidden, sized, "picEnemy3_1.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy3_2", S, nullptr, 72, 64, 62, 70, hidden, sized, "picEnemy3_2.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy3_3", S, nullptr, 136, 64, 62, 70, hidden, sized, "picEnemy3_3.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy2_1", S, nullptr, 216, 64, 35, 46, hidden, sized, "picEnemy2_1.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy2_2", S, nullptr, 256, 64, 35, 46, hidden, sized, "picEnemy2_2.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy2_3", S, nullptr, 296, 64, 35, 46, hidden, sized, "picEnemy2_3.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy1_1", S, nullptr, 160, 144, 34, 38, hidden, sized, "picEnemy1_1.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy1_2", S, nullptr, 200, 144, 34, 38, hidden, sized, "picEnemy1_2.bmp", "", 0, 0, 12, false, 0},
    {"picEnemy1_3", S, nullptr, 240, 144, 34, 38, hidden, sized, "picEnemy1_3.bmp", "", 0, 0, 12, false, 0},
    {"picPhase1", S, nullptr, 32, 144, 34, 39, hidden, sized, "picPhase1.bmp", "", 0, 0, 12, false, 0},
    {"picPhase2", S, nullptr, 72, 144, 34, 38, hidden, sized, "picPhase2.bmp", "", 0, 0, 12, false, 0},
    {"picPhase3", S, nullptr, 112, 144, 34, 39, hidden, sized, "picPhase3.bmp", "", 0, 0, 12, false, 0},
    {"picRPG", S, nullptr, 440, 288, 465, 497, hidden, fixed, "picRPG.jpg", "", 0, 0, 12, false, 0},
    {"Command11", B, "picRPG", 176, 456, 97, 17, shown, fixed, nullptr, "OK", 0x0000FF00, 0, 12, true, 0},
    {"btnStrenghtDown", B, "picRPG", 360, 40, 17, 17, shown, fixed, nullptr, "-", 0x000000FF, 0, 12, true, 0},
    {"btnStrenghtUp", B, "picRPG", 384, 40, 17, 17, shown, fixed, nullptr, "+", 0x0000FF00, 0, 12, true, 0},
    {"btnEnduranceDown", B, "picRPG", 360, 80, 17, 17, shown, fixed, nullptr, "-", 0x000000FF, 0, 12, true, 0},
    {"btnEnduranceUp", B, "picRPG", 384, 80, 17, 17, shown, fixed, nullptr, "+", 0x0000FF00, 0, 12, true, 0},
    {"btnVitalityDown", B, "picRPG", 360, 120, 17, 17, shown, fixed, nullptr, "-", 0x000000FF, 0, 12, true, 0},
    {"btnVitalityUp", B, "picRPG", 384, 120, 17, 17, shown, fixed, nullptr, "+", 0x0000FF00, 0, 12, true, 0},
    {"btnUltimateDown", B, "picRPG", 360, 160, 17, 17, shown, fixed, nullptr, "-", 0x000000FF, 0, 12, true, 0},
    {"btnUltimateUp", B, "picRPG", 384, 160, 17, 17, shown, fixed, nullptr, "+", 0x0000FF00, 0, 12, true, 0},
    {"btnHealingDown", B, "picRPG", 360, 200, 17, 17, shown, fixed, nullptr, "-", 0x000000FF, 0, 12, true, 0},
    {"btnHealingUp", B, "picRPG", 384, 200, 17, 17, shown, fixed, nullptr, "+", 0x0000FF00, 0, 12, true, 0},
    {"Label14", L, "picRPG", 32, 40, 0, 0, shown, fixed, nullptr, "STRENGHT", 0, kRedText, 12, false, 0},
    {"Label13", L, "picRPG", 32, 80, 0, 0, shown, fixed, nullptr, "ENDURANCE", 0, kRedText, 12, false, 0},
    {"Label11", L, "picRPG", 32, 120, 0, 0, shown, fixed, nullptr, "VITALITY", 0, kRedText, 12, false, 0},
    {"Label10", L, "picRPG", 32, 160, 0, 0, shown, fixed, nullptr, "ULTIMATE", 0, kRedText, 12, false, 0},
    {"Label8", L, "picRPG", 32, 200, 0, 0, shown, fixed, nullptr, "HEALING", 0, kRedText, 12, false, 0},
    {"lblStrenght", L, "picRPG", 312, 40, 0, 0, shown, fixed, nullptr, "0", 0, kGreenText, 12, false, 0},
    {"lblEndurance", L, "picRPG", 312, 80, 0, 0, shown, fixed, nullptr, "0", 0, kGreenText, 12, false, 0},
    {"lblVitality", L, "picRPG", 312, 120, 0, 0, shown, fixed, nullptr, "0", 0, kGreenText, 12, false, 0},
    {"lblUltimate", L, "picRPG", 312, 160, 0, 0, shown, fixed, nullptr, "0", 0, kGreenText, 12, false, 0},
    {"lblHealing", L, "picRPG", 312, 200, 0, 0, shown, fixed, nullptr, "0", 0, kGreenText, 12, false, 0},
    {"lblHelpStrenght", L, "picRPG", 0, 40, 449, 17, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"lblHelpEndurance", L, "picRPG", 0, 80, 449, 17, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"lblHelpVitality", L, "picRPG", 0, 120, 449, 17, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"lblHelpUltimate", L, "picRPG", 0, 160, 449, 17, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"lblHelpHealing", L, "picRPG", 0, 200, 449, 17, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"lblHelpPoints", L, "picRPG", 0, 240, 449, 17, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"Label12", L, "picRPG", 32, 240, 0, 0, shown, fixed, nullptr, "POINTS", 0, kRedText, 12, false, 0},
    {"lblPoints", L, "picRPG", 312, 240, 0, 0, shown, fixed, nullptr, "0", 0, kGreenText, 12, false, 0},
    {"Label15", L, "picRPG", 32, 280, 0, 0, shown, fixed, nullptr, "LEVEL ", 0, kRedText, 12, false, 0},
    {"lblLevel", L, "picRPG", 312, 280, 0, 0, shown, fixed, nullptr, "1", 0, 0x0000C000, 12, false, 0},
    {"xyz", L, "picRPG", 32, 320, 0, 0, shown, fixed, nullptr, "DESCRIPTION", 0, kRedText, 12, false, 0},
    {"lblDescription", L, "picRPG", 56, 352, 0, 0, shown, fixed, nullptr, "", 0, kGreenText, 12, false, 0},
    {"Picture1", S, nullptr, 0, 0, 804, 77, shown, sized, "Picture1.jpg", "", kGrey, 0, 12, false, 2},
    {"Label6", L, "Picture1", 40, 8, 0, 0, shown, fixed, nullptr, "Life", 0, kRedText, 12, false, 0},
    {"lblLife", L, "Picture1", 24, 32, 0, 0, shown, fixed, nullptr, "100 / 100", 0, kGreenText, 12, false, 0},
    {"Label7", L, "Picture1", 152, 8, 0, 0, shown, fixed, nullptr, "Experience", 0, kRedText, 12, false, 0},
    {"lblExperience", L, "Picture1", 168, 32, 0, 0, shown, fixed, nullptr, "0 / 250", 0, kGreenText, 12, false, 0},
    {"Label9", L, "Picture1", 320, 8, 0, 0, shown, fixed, nullptr, "Items", 0, kRedText, 12, false, 0},
    {"imgKey", I, "Picture1", 304, 24, 30, 30, hidden, fixed, "imgKey.bmp", "", 0, 0, 12, false, 0},
    {"imgCard", I, "Picture1", 344, 24, 30, 30, hidden, fixed, "imgCard.bmp", "", 0, 0, 12, false, 0},
    {"lblSMS", L, "Picture1", 392, 8, 0, 0, shown, fixed, nullptr, "", 0, kGreenText, 9, false, 0},
    {"lblAbilities", B, "Picture1", 712, 8, 73, 17, shown, fixed, nullptr, "ABILITIES", kDarkRedBack, 0x00FFFFFF, 8.25,
     false, 0},
    {"Command1", B, "Picture1", 712, 40, 73, 17, shown, fixed, nullptr, "MENU", kDarkRedBack, 0x00FFFFFF, 8.25, false,
     0},
    {"picShot_Gun", S, nullptr, 8, 24, 1, 4, hidden, sized, "picShot_Gun.bmp", "", 0, 0, 12, false, 0},
    {"picCity_base", S, nullptr, 0, 72, 800, 528, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"picCity_Collid", S, nullptr, 0, 72, 800, 528, hidden, fixed, nullptr, "", 0x00C0C0C0, 0, 12, false, 0},
    {"picHelp_city_collid", S, nullptr, 144, 96, 1427, 1829, hidden, sized, nullptr, "", 0, 0, 12, false, 0},
    {"picHelp_city_base", S, nullptr, 40, 64, 1429, 1824, hidden, sized, nullptr, "", 0, 0, 12, false, 0},
    {"col1", I, "picHelp_city_base", 1016, 64, 65, 33, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"col2", I, "picHelp_city_base", 608, 976, 33, 25, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
    {"col3", I, "picHelp_city_base", 1264, 1608, 57, 41, shown, fixed, nullptr, "", 0, 0, 12, false, 0},
};

}  // namespace

const ElementSpec* CatalogueBegin() { return std::begin(kCatalogue); }
const ElementSpec* CatalogueEnd() { return std::end(kCatalogue); }

}  // namespace cw
