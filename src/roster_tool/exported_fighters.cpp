#include "roster_tool/exported_fighters.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

#include "roster_tool/progress_line.h"

namespace beditor::roster {
namespace {

// Rows handed from the reading thread to the writing one in batches: one lock per batch, not
// per row.
constexpr std::size_t kBatchRows = 256;
constexpr std::size_t kBatchesAhead = 4;

struct RowBatch {
  std::vector<const FighterFile*> files;
  std::string text;               // every field cell of every row, one after another
  std::vector<std::size_t> ends;  // each cell's end in text
  std::vector<std::optional<std::array<int, 6>>> ratings;
  std::size_t Rows() const { return files.size(); }
};

// Thrown on the reading thread to stop it when the writing side has given up.
struct ReadingStopped {};

class BatchQueue {
 public:
  // False once the writing side has stopped.
  bool Push(RowBatch batch) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return batches_.size() < kBatchesAhead || stopped_; });
    if (stopped_) return false;
    batches_.push_back(std::move(batch));
    changed_.notify_all();
    return true;
  }
  // None once every batch is taken and the reading side has finished.
  std::optional<RowBatch> Pop() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !batches_.empty() || finished_; });
    if (batches_.empty()) return std::nullopt;
    RowBatch batch = std::move(batches_.front());
    batches_.pop_front();
    changed_.notify_all();
    return batch;
  }
  void Finish(std::exception_ptr error) {
    std::lock_guard lock(mutex_);
    finished_ = true;
    error_ = error;
    changed_.notify_all();
  }
  void Stop() {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
  }
  std::exception_ptr Error() {
    std::lock_guard lock(mutex_);
    return error_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<RowBatch> batches_;
  bool finished_ = false;
  bool stopped_ = false;
  std::exception_ptr error_;
};

}  // namespace

int ForEachExportedFighter(
    const RosterContext& context, const RosterFiles& roster, const ChoiceLists& lists,
    const std::function<void(const FighterFile& file, const FighterView& fighter, const FieldCellViews& cells)>& each) {
  const auto& files = roster.files;
  ProgressLine progress(context.err, context.showProgress, "export", files.size());
  int unreadable = 0;
  FighterReader reader(context);
  FighterView fighter;
  FieldCells converted;
  for (std::size_t i = 0; i < files.size(); ++i) {
    progress.Done(i);
    try {
      reader.Read(files[i], fighter);
    } catch (const BEditorError& error) {
      progress.Clear();
      context.err << files[i].Display() << ":1: error: not exported: " << error.what() << '\n';
      ++unreadable;
      continue;
    }
    each(files[i], fighter, ExportCellViews(fighter, lists, converted));
  }
  progress.Clear();
  return unreadable;
}

int ForEachExportedRowReadAhead(const RosterContext& context, const RosterFiles& roster, const ChoiceLists& lists,
                                const std::function<void(const ExportedRow& row)>& each) {
  BatchQueue queue;
  int unreadable = 0;
  std::thread reading([&] {
    RowBatch batch;
    const auto cell = [&batch](std::string_view text) {
      batch.text += text;
      batch.ends.push_back(batch.text.size());
    };
    try {
      unreadable = ForEachExportedFighter(
          context, roster, lists, [&](const FighterFile& file, const FighterView& fighter, const FieldCellViews& cells) {
            batch.files.push_back(&file);
            for (const std::string_view text : cells) cell(text);
            const auto ratings = RatingsOf(fighter);
            batch.ratings.push_back(ratings ? std::optional(RatingValues(*ratings)) : std::nullopt);
            if (batch.Rows() == kBatchRows && !queue.Push(std::exchange(batch, {}))) throw ReadingStopped{};
          });
      if (batch.Rows() > 0) queue.Push(std::move(batch));
      queue.Finish(nullptr);
    } catch (const ReadingStopped&) {
      queue.Finish(nullptr);
    } catch (...) {
      queue.Finish(std::current_exception());
    }
  });

  try {
    ExportedRow row;
    while (const auto batch = queue.Pop()) {
      std::size_t at = 0, end = 0;
      const auto next = [&] {
        const std::size_t start = end;
        end = batch->ends[at++];
        return std::string_view(batch->text).substr(start, end - start);
      };
      for (std::size_t i = 0; i < batch->Rows(); ++i) {
        row.file = batch->files[i];
        for (std::string_view& text : row.cells) text = next();
        row.ratings = batch->ratings[i];
        each(row);
      }
    }
  } catch (...) {
    queue.Stop();
    reading.join();
    throw;
  }
  reading.join();
  if (const auto error = queue.Error()) std::rethrow_exception(error);
  return unreadable;
}

}  // namespace beditor::roster
