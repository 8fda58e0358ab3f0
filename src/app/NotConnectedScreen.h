#pragma once
// The not-connected screen: a still picture of the screen the person saw
// last, the pad's message over it, and only a quit button.

#include <QWidget>

#include <cstdint>
#include <string>

#include "app/AppContext.h"

namespace ostrel {

class PngButton;

class profile_Dialog_Check_Control_Status : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kQuitId = 1188;

  profile_Dialog_Check_Control_Status(AppContext& context, QWidget* parent);

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
  PngButton* quit_ = nullptr;
  std::string quitFolder_;
};

}  // namespace ostrel
