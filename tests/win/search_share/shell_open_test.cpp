// The search really goes through ShellExecuteW: the test points the http
// protocol of the test prefix at a recorder and reads what it received.
#include "app/search_share.h"

#include <gtest/gtest.h>

#include "support/shell_recorder.h"
#include "support/temp_folder.h"

#include <string>

namespace {

TEST(ShellOpen, SearchHandsTheEncodedLinkToTheBrowser) {
    TempFolder folder;
    TShellRecorder recorder(folder.Path());
    ASSERT_TRUE(recorder.Catch(L"http"));
    OpenSearchPage(nullptr, L"秋天 a~");
    const std::string opened = Narrow(recorder.Received(10000));
    EXPECT_NE(opened.find("http://www.tavro123.com/inc/?keyword=%C7%EF%CC%EC+a%7E"),
              std::string::npos)
        << opened;
}

} // namespace
