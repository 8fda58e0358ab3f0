#pragma once
// A real-server fixture whose local folder is the data root of a profile
// library, with its folders made.

#include "RealServerTest.h"
#include "library/ProfileLibrary.h"

namespace ostrel::test {

class ServedLibraryTest : public RealServerTest {
 protected:
  void SetUp() override {
    RealServerTest::SetUp();
    library_.basePath = local_.path().string() + "/";
    ASSERT_TRUE(library_.ensureFolders());
  }

  ProfileLibrary library_;
};

}  // namespace ostrel::test
