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
      return {"Data Error", "変換領域が数値ではありません。領域を見直して下さい。処理を中断します。"};
    case Msg::RegionZeroSize:
      return {"Data Error", "変換領域の幅または高さが０です。領域を変更して下さい。処理を中断します。"};
    case Msg::NoData:
      return {"Data Error", "変換するデータがありません。ファイルを見直して下さい。処理を中断します。"};
    case Msg::RegionInvalid:
      return {"Data Error", "指定領域が不正です。領域を変更して下さい。"};
    case Msg::GridWriteFailed:
      return {"File Error", "ファイルに書き込めません。出力先を見直して下さい。処理を中断します。"};
    case Msg::DrawRegionUnsuitable:
      return {"", "描画領域の設定が不適切です。自動設定に変更します。"};
  }
  return {"", ""};
}

std::string MessageLine(Msg m) {
  const MessageText t = TextOf(m);
  std::string line = t.title;
  if (!line.empty()) line += ": ";
  line += t.text;
  return line;
}

}  // namespace core
