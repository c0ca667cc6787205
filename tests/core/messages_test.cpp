// Message texts with their arguments, and the recording reporter's answers.
#include <gtest/gtest.h>

#include "core/report.h"

using core::Answer;
using core::Msg;

TEST(Messages, EveryMessageHasATextAndQuestionsTheirButtons) {
  for (int m = 0; m <= static_cast<int>(Msg::XyzReadStopped); ++m)
    EXPECT_STRNE(core::TextOf(static_cast<Msg>(m)).text, "") << m;
  EXPECT_EQ(core::TextOf(Msg::ReadOver).buttons, core::Buttons::OkCancel);
  EXPECT_EQ(core::TextOf(Msg::FileExistsOverwrite).buttons, core::Buttons::YesNo);
  EXPECT_EQ(core::TextOf(Msg::Greeting).icon, core::Icon::None);
  // The loader's message ends with one blank, as the user sees it.
  EXPECT_EQ(std::string(core::TextOf(Msg::FileMissing).text).back(), ' ');
}

TEST(Messages, MessageLineCarriesTheTitle) {
  EXPECT_EQ(core::MessageLine(Msg::CalcANotSet),
            "Data Error: ａの設定が不正です。処理を中断します。");
  EXPECT_EQ(core::MessageLine(Msg::DrawRegionUnsuitable),
            "描画領域の設定が不適切です。自動設定に変更します。");
}

TEST(RecordingReporter, AnswersFromItsQueueThenWithTheDefault) {
  core::RecordingReporter r;
  r.answers = {Answer::No, Answer::Cancel};
  EXPECT_EQ(r.Show(Msg::FileExistsOverwrite), Answer::No);
  EXPECT_EQ(r.Show(Msg::DataInvalid), Answer::Ok);  // a plain message takes no answer
  EXPECT_EQ(r.Show(Msg::ReadOver), Answer::Cancel);
  EXPECT_EQ(r.Show(Msg::FileExistsOverwrite), Answer::Yes);
  r.inputs = {std::nullopt};
  EXPECT_EQ(r.Input(Msg::NewFolderName, "新しいフォルダ"), std::nullopt);
  EXPECT_EQ(r.Input(Msg::NewFolderName, "新しいフォルダ"), "新しいフォルダ");
  EXPECT_EQ(r.shown.size(), 6u);
  EXPECT_EQ(r.args.back(), std::vector<std::string>{"新しいフォルダ"});
}
