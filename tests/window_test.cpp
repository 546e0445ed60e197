#include <gtest/gtest.h>

#include "platform/key_codes.h"
#include "support/test_game.h"

namespace cw {
namespace {

using T = InputEvent::Type;

TEST(ElementLayerTest, LookupIgnoresCaseAndFaultsOnUnknownNames) {
  test::TestGame t;
  EXPECT_EQ(&t.g.ui.Find("picenemy1_2"), t.g.e.picEnemy1_2);
  EXPECT_EQ(&t.g.ui.Find("PICPHASE3"), t.g.e.picPhase3);
  EXPECT_EQ(&t.g.ui.Find("picShot_" + std::string("Gun")), t.g.e.picShot_Gun);
  EXPECT_EQ(&t.g.ui.Find("img4"), t.g.e.img4);
  EXPECT_THROW(t.g.ui.Find("picenemy3_4"), RuntimeFault);
  EXPECT_EQ(t.g.ui.all().size(), 92u);
}

TEST(ElementLayerTest, CatalogueSizesParentsAndPictures) {
  test::TestGame t;
  auto& e = t.g.e;
  EXPECT_EQ(e.img4->parent, e.picInGame);
  EXPECT_EQ(e.col2->parent, e.picHelp_city_base);
  // Sized surfaces take their picture's size; picMenu and picRPG keep their own.
  EXPECT_EQ(e.picPhase2->buffer.height, 38);
  EXPECT_EQ(e.picEnemy3_1->buffer.width, 62);
  EXPECT_EQ(e.picMenu->width, 800);
  EXPECT_EQ(e.picMenu->buffer.width, 800);
  EXPECT_EQ(e.picRPG->buffer.width, 465);
  // The status bar's 2-pixel border lies around its 800 x 73 picture.
  EXPECT_EQ(e.Picture1->width, 804);
  EXPECT_EQ(e.Picture1->buffer.width, 800);
  EXPECT_EQ(e.Picture1->buffer.height, 73);
  EXPECT_TRUE(e.picCity_base->visible);
  EXPECT_FALSE(e.picCity_Collid->visible);
}

TEST(ElementLayerTest, PixelsOutsideABufferReadInvalidAndClearRestoresThePicture) {
  test::TestGame t;
  Element& mask = *t.g.e.picCity_Collid;
  EXPECT_EQ(mask.buffer.Get(0, 0), 0x00C0C0C0u);  // back colour
  EXPECT_EQ(mask.buffer.Get(-1, 0), kInvalidColour);
  EXPECT_EQ(mask.buffer.Get(800, 10), kInvalidColour);
  EXPECT_EQ(mask.buffer.Get(10, 528), kInvalidColour);
  Element& menu = *t.g.e.picMenu;
  uint32_t picture_pixel = menu.buffer.Get(10, 10);
  menu.buffer.Fill(0x00123456);
  menu.Clear();
  EXPECT_EQ(menu.buffer.Get(10, 10), picture_pixel);
  EXPECT_EQ(menu.buffer.Get(799, 10), 0x00404040u);  // the 799-wide picture leaves one column of back colour
}

TEST(ElementLayerTest, ALocationPictureIsKeptOnceAndComesBackFromItsFileForAClear) {
  test::DataCopy data;
  test::TestGame t(data.path());
  Element& location = *t.g.e.picHelp_city_base;
  t.g.LoadPicture(&location, "hut.jpg");
  EXPECT_EQ(location.picture, nullptr);  // the buffer holds every pixel of it
  ASSERT_TRUE(location.reload_picture);
  uint32_t pixel = location.buffer.Get(37, 41);
  location.buffer.Fill(0x00123456);
  location.Clear();
  EXPECT_EQ(location.buffer.Get(37, 41), pixel);
  EXPECT_EQ(location.picture, nullptr);
  // Gone from the data folder by then: the surface clears to its back colour instead of failing.
  std::filesystem::remove(data.path() / "hut.jpg");
  location.Clear();
  EXPECT_EQ(location.buffer.Get(37, 41), location.back_colour);

  // A picture smaller than its surface is kept: the buffer holds back colour around it.
  Element& page = *t.g.e.picStory_help;
  page.sized = false;
  page.Move(page.left, page.top, 400, 400);
  t.g.LoadPicture(&page, "story_start.gif");
  ASSERT_NE(page.picture, nullptr);
  EXPECT_EQ(page.buffer.Get(399, 399), page.back_colour);

  // The built-in pictures are decoded once and shared between games.
  test::TestGame other;
  EXPECT_EQ(other.g.e.picMenu->picture, t.g.e.picMenu->picture);
}

TEST(ElementLayerTest, MouseEventsGoToTheTopmostVisibleElementThatHandlesThem) {
  test::TestGame t;
  auto& e = t.g.e;
  std::vector<std::string> seen;
  auto record = [&](const char* who) {
    return [&seen, who](int button, int, double x, double y) {
      seen.push_back(std::string(who) + " " + std::to_string(button) + " " + std::to_string(int(x)) + "," +
                     std::to_string(int(y)));
    };
  };
  e.picMenu->MouseMove = record("picMenu");
  e.Image2->MouseMove = record("Image2");
  e.picCred->MouseDown = record("picCred");
  e.cmdExit_cred->Click = [&] { seen.push_back("X"); };
  e.picMenu->Move(0, 0);
  t.g.ui.Show(e.picMenu);

  t.Send({T::MouseMove, 0, 0, 0, 300, 190});
  t.Send({T::MouseMove, 0, 0, 0, 10, 10});
  // Picture3 lies above Image2 but is hidden and handles nothing.
  t.Send({T::MouseMove, 0, 0, 0, 260, 190});
  EXPECT_EQ(seen, (std::vector<std::string>{"Image2 0 52,14", "picMenu 0 10,10", "Image2 0 12,14"}));

  seen.clear();
  e.picCred->Move(151.5, 68);
  t.g.ui.Show(e.picCred);
  t.Send({T::MouseMove, 0, 0, 0, 300, 190});  // covered by the credits, which take no moves: nothing
  // The X button takes the click; the press itself goes on to the surface, the topmost that takes presses.
  t.Click(151 + 464 + 5, 68 + 8 + 5);
  t.Send({T::MouseDown, 0, 0, 2, 200, 200});  // right button on the credits surface
  EXPECT_EQ(seen, (std::vector<std::string>{"picCred 1 468,13", "X", "picCred 2 48,132"}));
}

TEST(ElementLayerTest, KeysGoToTheFocusAndAHiddenFocusPassesToTheTopmostShownSurface) {
  test::TestGame t;
  auto& e = t.g.e;
  std::vector<std::string> seen;
  e.picMenu->KeyDown = [&](int key, int) { seen.push_back("menu " + std::to_string(key)); };
  e.picRIP->KeyDown = [&](int key, int) { seen.push_back("rip " + std::to_string(key)); };
  e.picStory->KeyPress = [&](int ch) { seen.push_back("story " + std::to_string(ch)); };
  t.g.ui.Show(e.picMenu);
  t.g.ui.Show(e.picRIP);
  t.g.ui.SetFocus(e.picMenu);
  t.Key(kKeyDown);
  t.g.ui.Hide(e.picMenu);
  t.Key(kKeyEnter, '\r');  // the focus was hidden: the death screen takes it
  t.g.ui.Hide(e.picRIP);
  t.g.ui.Show(e.picStory);
  t.Key('A', 'a');
  EXPECT_EQ(seen, (std::vector<std::string>{"menu 40", "rip 13", "story 97"}));
  EXPECT_EQ(t.g.ui.focus(), e.picStory);
}

TEST(ElementLayerTest, ComposedPictureStacksScreensAboveTheStatusBarAndThePlayArea) {
  test::TestGame t;
  auto& e = t.g.e;
  e.picCity_base->buffer.Fill(0x000000AA);
  Surface frame = t.g.ui.Compose();
  EXPECT_EQ(frame.Get(400, 300), 0x000000AAu);  // play area
  EXPECT_NE(frame.Get(400, 30), 0x000000AAu);   // the status bar covers its top
  e.picRIP->buffer.Fill(0x0000BB00);
  e.picRIP->Move(150, 112.5);
  t.g.ui.Show(e.picRIP);
  frame = t.g.ui.Compose();
  EXPECT_EQ(frame.Get(400, 300), 0x0000BB00u);
  EXPECT_EQ(frame.Get(149, 300), 0x000000AAu);
  EXPECT_EQ(frame.Get(150, 300), 0x0000BB00u);
  // 112.5 is drawn at 112 (halves to even).
  EXPECT_EQ(frame.Get(400, 112), 0x0000BB00u);
  EXPECT_EQ(frame.Get(400, 111), 0x000000AAu);
}

}  // namespace
}  // namespace cw
