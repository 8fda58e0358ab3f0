#include "screens/MyProfilesList.h"

#include "profile/AppState.h"

namespace ostrel {

MyProfilesList::MyProfilesList(const ScreenContext& context, QWidget* parent)
    : ProfileListScreen(context,
                        ProfileListLook{kNameListScreen, "Screen-7.jpg", kList, kCancel, kYes, kNo,
                                        &ProfileLibrary::loadMyNames, &ProfileLibrary::myNames,
                                        &ProfileLibrary::myCount, {Qt::Key_Tab}, {Qt::Key_Delete},
                                        false},
                        parent) {
  setObjectName(QStringLiteral("MyProfilesList"));
}

}  // namespace ostrel
