#pragma once
// Each group of painters registers its pictures with the set.

namespace ostrel {

class PictureSet;

void registerButtons(PictureSet& set);
void registerFlags(PictureSet& set);
void registerSharedPictures(PictureSet& set);
void registerHomeScreen(PictureSet& set);
void registerGeneralScreen(PictureSet& set);
void registerStickScreen(PictureSet& set);
void registerButtonScreen(PictureSet& set);
void registerKeys(PictureSet& set);
void registerDialogs(PictureSet& set);
void registerMessages(PictureSet& set);

}  // namespace ostrel
