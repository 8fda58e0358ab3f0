#pragma once
// The image buttons of one painted screen, found by control id, each with the
// picture name it loads from the language folder. Reloading after a language
// change gives every button its new picture (and size).
//
// User-interface thread only.

#include <QPoint>
#include <QString>

#include <cstddef>
#include <functional>
#include <map>
#include <string>

class QWidget;

namespace ostrel {

class PictureCache;
class ImageButton;

// One button of a screen's table: its id, picture name and top-left corner.
struct PlacedButton {
  int id;
  const char* picture;
  QPoint place;
};

class ScreenButtons {
 public:
  ScreenButtons(PictureCache& pictures, QWidget* screen) : pictures_(pictures), screen_(screen) {}

  // A button with objectName id at place; its picture comes with loadPictures.
  ImageButton* add(int id, const char* picture, QPoint place);
  template <std::size_t N>
  void addAll(const PlacedButton (&places)[N]) {
    for (const PlacedButton& b : places) add(b.id, b.picture, b.place);
  }
  ImageButton* at(int id) const { return buttons_.at(id); }
  // Runs action on every click of button id.
  void onClick(int id, std::function<void()> action);

  // Loads every button's picture from folder (a language folder below the
  // resource root, "res/English/").
  void loadPictures(const std::string& folder);
  // Loads them again only when folder is not the one they came from.
  void followFolder(const std::string& folder);
  const std::string& folder() const { return folder_; }

 private:
  PictureCache& pictures_;
  QWidget* screen_;
  std::map<int, ImageButton*> buttons_;
  std::map<int, QString> names_;
  std::string folder_;
  bool loaded_ = false;
};

}  // namespace ostrel
