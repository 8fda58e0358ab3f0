#include "screens/MakerProfilesList.h"

#include "profile/AppState.h"

namespace ostrel {

MakerProfilesList::MakerProfilesList(const ScreenContext& context,
                                                           QWidget* parent)
    : ProfileListScreen(context,
                        ProfileListLook{kMakerListScreen, "Screen-8.jpg", kList, kCancel, kYes, kNo,
                                        &ProfileLibrary::loadMakerNames, &ProfileLibrary::makerNames,
                                        &ProfileLibrary::makerCount, {Qt::Key_Space},
                                        {Qt::Key_Delete, Qt::Key_Backspace}, true},
                        parent) {
  setObjectName(QStringLiteral("MakerProfilesList"));
}

}  // namespace ostrel
