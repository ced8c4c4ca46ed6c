// "Dump" in the AVI Capture window: 300 frames of a 320 x 240 MJPEG file
// written as numbered bitmaps through the window (seek, the player's own
// painting, Image2, progress and message processing every frame), to set
// beside the engine's BM_AviDump on the same kind of file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "animation/windows/Tfolderdlg1.h"
#include "bench/support/BenchVideo.h"
#include "media/windows/TAVICAP.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/Services.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDir = fs::temp_directory_path() / "qm-window-bench";
constexpr int kFrames = 300;

void BM_AviCaptureDump(benchmark::State& state) {
  const fs::path in = bench_support::makeMjpeg(kDir, "in.avi", 320, 240, kFrames);
  auto scripted = std::make_unique<ui::ScriptedDialogs>();
  ui::ScriptedDialogs& dialogs = *scripted;
  auto previous = ui::services().setDialogs(std::move(scripted));
  const fs::path out = kDir / "dump";
  {
    TAVICAP window;
    window.CheckTransparent->setChecked(state.range(0) == 1);
    window.show();
    window.openFile(QString::fromStdString(in.string()));
    QApplication::processEvents();
    for (auto _ : state) {
      state.PauseTiming();
      fs::remove_all(out);
      fs::create_directories(out);
      // The folder dialog: the output folder, name "out", frames 1 to 300.
      dialogs.answerForm("Tfolderdlg1", [&](QDialog& d) {
        auto& f = static_cast<Tfolderdlg1&>(d);
        f.DirectoryListBox1->setDirectory(QString::fromStdString(out.string()));
        f.Edit1->setText(QStringLiteral("out"));
        f.BitBtn1->click();
        return f.result();
      });
      dialogs.answerMessage(ui::MsgResult::Yes);
      state.ResumeTiming();
      window.BitBtn6->click();
    }
  }
  state.SetItemsProcessed(state.iterations() * kFrames);
  ui::services().setDialogs(std::move(previous));
}
// Argument: 0 opaque, 1 transparent (the panel behind rendered too).
BENCHMARK(BM_AviCaptureDump)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
