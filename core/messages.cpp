#include "core/report.h"

namespace core {

MessageText TextOf(Msg m) {
  switch (m) {
    case Msg::FileNotSpecified:
      return {"File Error", "ファイルを指定して下さい。ソフトを終了します。"};
    case Msg::FileCannotOpen:
      return {"File Error", "ファイルを開けません。ファイルを見直して下さい。処理を中断します。"};
    case Msg::DataCountInvalid:
      return {"Data Error", "データ数が不正です。ファイルを見直して下さい。処理を中断します。"};
    case Msg::DataInvalid:
      return {"Data Error", "データが不正です。ファイルを見直して下さい。処理を中断します。"};
    case Msg::NxInvalid:
      return {"Data Error", "ｎxが不正です。ｎx＝２として処理を継続します。"};
    case Msg::NyInvalid:
      return {"Data Error", "ｎyが不正です。ｎy＝２として処理を継続します。"};
    case Msg::NxNotNumber:
      return {"Data Error", "ｎxが数値ではありません。数値を入力して下さい。処理を中断します。"};
    case Msg::NyNotNumber:
      return {"Data Error", "ｎyが数値ではありません。数値を入力して下さい。処理を中断します。"};
    case Msg::TooManyNodes:
      return {"Data Error",
              "節点数が多すぎます。ｎx×ｎyを10000000以下にして下さい。処理を中断します。"};
    case Msg::RegionNotNumber:
      return {"Data Error",
              "変換領域が数値ではありません。領域を見直して下さい。処理を中断します。"};
    case Msg::RegionZeroSize:
      return {"Data Error",
              "変換領域の幅または高さが０です。領域を変更して下さい。処理を中断します。"};
    case Msg::NoData:
      return {"Data Error",
              "変換するデータがありません。ファイルを見直して下さい。処理を中断します。"};
    case Msg::RegionInvalid:
      return {"Data Error", "指定領域が不正です。領域を変更して下さい。"};
    case Msg::GridWriteFailed:
      return {"File Error", "ファイルに書き込めません。出力先を見直して下さい。処理を中断します。"};
    case Msg::DrawRegionUnsuitable:
      return {"", "描画領域の設定が不適切です。自動設定に変更します。"};

    case Msg::Greeting:
      return {
          "",
          "初めまして、Zentuです。サンプルを描画しますので、最初に描画ボタンを押してみてください。"
          "描画が完了した後、変換ボタンを押せば枠内の領域が変換されます。",
          Icon::None};
    case Msg::ConvertStopped:
      return {"", "変換を中止しました。出力ファイルは変更していません。"};
    case Msg::OutOfMemory:
      return {"Memory Error",
              "メモリが足りません。データ数または節点数を減らして下さい。処理を中断します。"};
    case Msg::HeaderSizeInvalid:
      return {"Data Error", "ヘッダーのサイズが不正です。数値を入力して下さい。処理を中断します。"};
    case Msg::NoPrinter:
      return {"Print Error",
              "プリンタが見つかりません。プリンタを設定して下さい。処理を中断します。"};
    case Msg::PrintFailed:
      return {"Print Error", "印刷できませんでした。プリンタを確認して下さい。処理を中断します。"};
    case Msg::ClipboardFailed:
      return {
          "Clipboard Error",
          "クリップボードに書き込めません。しばらくしてから再度実行して下さい。処理を中断します。"};

    case Msg::CalcABNotSet:
      return {"Data Error", "Ａ，Ｂの設定が不正です。処理を中断します。"};
    case Msg::CalcANotSet:
      return {"Data Error", "ａの設定が不正です。処理を中断します。"};
    case Msg::CalcBNotSet:
      return {"Data Error", "ｂの設定が不正です。処理を中断します。"};
    case Msg::CalcSizeMismatch:
      return {"Data Error", "ＡとＢでデータ数(ｎx，ｎy)の対応が不正です。処理を中断します。"};
    case Msg::CalcNotSquare:
      return {"Data Error", "Ａでデータ数(ｎx，ｎy)の対応が不正(nx<>ny)です。処理を中断します。"};
    case Msg::CalcGridUnread:
      return {"Data Error",
              "%1のデータが読み込まれていないか、データ数(ｎx，ｎy)と一致しません。"
              "ファイルを指定し直して下さい。処理を中断します。"};
    case Msg::CalcOverflow:
      return {
          "Data Error",
          "演算結果が数値の範囲を越えます。ａ，ｂまたはデータを見直して下さい。処理を中断します。"};

    case Msg::FileExistsOverwrite:
      return {"", "ファイルが存在します。上書きしてもいいですか。", Icon::Question, Buttons::YesNo};
    case Msg::NewFolderName:
      return {"フォルダの作成", "フォルダを作成します。フォルダ名は下記のものでいいでしょうか。",
              Icon::None};
    case Msg::FolderExists:
      return {"", "すでにフォルダが存在します。"};
    case Msg::FileMissing:
      return {"", "ファイルが存在しません。ご確認ください。 "};
    case Msg::ReadOver:
      return {"Read Over !", "ファイルが10000行を越えます。読込みを中断しますか。", Icon::Question,
              Buttons::OkCancel};
    case Msg::FileUnreadable:
      return {"File Error",
              "ファイルを読み込めません。ファイルの種類と読み取りの権限をご確認ください。"};
    case Msg::CheckerReadOnly:
      return {"",
              "このファイルには正しく表示できない文字があります。"
              "内容を変えないよう、読み取り専用で開きます。"};
    case Msg::CheckerWriteFailed:
      return {"File Error",
              "ファイルに書き込めません。保存先を見直して下さい。"
              "どのファイルも変更していません。\n%1"};
    case Msg::CheckerDeleteFailed:
      return {"File Error", "新しいファイルに保存しましたが、元のファイルを削除できません。\n%1"};
    case Msg::CheckerNotEncodable:
      return {"File Error",
              "このファイルの文字コード(シフトJIS)で表せない文字があります。"
              "文字を見直して下さい。保存を中断します。"};
    case Msg::FolderNotMade:
      return {"", "フォルダを作成できません。場所と名前を見直して下さい。"};

    case Msg::FileNotAFile:
      return {"File Error",
              "通常のファイルではありません。ファイルを見直して下さい。処理を中断します。"};
    case Msg::FileTooLarge:
      return {"File Error", "ファイルが大きすぎます。ファイルを見直して下さい。処理を中断します。"};
    case Msg::OutputNotAFile:
      return {"File Error",
              "出力先がファイルではありません。出力先を見直して下さい。処理を中断します。"};
    case Msg::OutputIsInput:
      return {"File Error",
              "出力先が入力ファイルと同じです。出力先を変更して下さい。処理を中断します。"};
    case Msg::XyzReadStopped:
      return {"Data Error",
              "%1行目に数値でないデータがあります。そこまでの%"
              "2点を読み込みました。以降のデータは読み込みません。"};
  }
  return {"", ""};
}

std::string FilledText(Msg m, const std::vector<std::string>& args) {
  const std::string text = TextOf(m).text;
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const size_t k = static_cast<size_t>(text[i + 1] - '1');
      if (k < args.size()) out += args[k];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string MessageLine(Msg m, const std::vector<std::string>& args) {
  std::string line = TextOf(m).title;
  if (!line.empty()) line += ": ";
  line += FilledText(m, args);
  return line;
}

Answer DefaultAnswer(Msg m) {
  return TextOf(m).buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

Answer RecordingReporter::Show(Msg m, const std::vector<std::string>& a) {
  shown.push_back(m);
  args.push_back(a);
  if (TextOf(m).buttons == Buttons::Ok || answers.empty()) return DefaultAnswer(m);
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> RecordingReporter::Input(Msg m, const std::string& proposal) {
  shown.push_back(m);
  args.push_back({proposal});
  if (inputs.empty()) return proposal;
  std::optional<std::string> entry = inputs.front();
  inputs.pop_front();
  return entry;
}

}  // namespace core
