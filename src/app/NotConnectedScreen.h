#pragma once
// The not-connected screen: a still picture of the screen the person saw
// last, the pad's message over it, and only a quit button.

#include <QWidget>

#include <cstdint>
#include <string>

#include "app/AppContext.h"

namespace ostrel {

class ImageButton;

class NotConnectedScreen : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kQuitId = 1188;

  NotConnectedScreen(AppContext& context, QWidget* parent);

  // The still picture (in the language folder) for the screen last shown;
  // null when there is none.
  static const char* stillPicture(int32_t screenId, int32_t saveReason);
  // The message laid over it for a link state; null when there is none.
  static const char* message(int32_t linkState);

  // Takes the quit button's picture from the language folder when the folder
  // changed since it was loaded.
  void followFolder();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AppContext& context_;
  ImageButton* quit_ = nullptr;
  std::string quitFolder_;
};

}  // namespace ostrel
