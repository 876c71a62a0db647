#pragma once
// The portable settings store: one INI file read and written with the
// platform's private-profile rules (as Wine's kernel32 applies them), over a
// file layer that replaces the file atomically.
//
// A write reads the file afresh and, when it changes anything, rewrites the
// whole file before it returns. A read answers from a snapshot of the file
// (its bytes, indexed) when the file's stamp shows that the file has not
// changed since the snapshot was read; otherwise it reads the file.
//
// Why a read from the snapshot answers what reading the file would:
//  - Every read first takes the clock t and then the stamp S of the file by
//    name (size, last-write and change times, identity), and uses the
//    snapshot only when S equals the snapshot's stamp in every field and the
//    clock has not gone back since the snapshot was read. Otherwise it reads
//    the file, and keeps that read as the new snapshot, with S, only when
//    S's newest time N is older than t - kSettleTime.
//  - The bytes read hold every change made before the read. Any change made
//    after S was taken happens after t, and the file system gives it a time
//    later than t - kSettleTime: its time step (FAT 2 s; ext3, HFS+ 1 s;
//    NTFS 100 ns, ext4 1 ns, both from clocks that step every few ms) and
//    the lag of its clock behind ours stay below kSettleTime. So that time
//    is later than N, and a content change moves the last-write time, any
//    change (renames, attribute and time changes included) moves the change
//    time: no later stamp equals S. At worst the snapshot holds a change
//    newer than S, and is dropped at the next read.
//  - A writer that restores the last-write time after writing still moves
//    the change time, which POSIX lets nobody set and Windows only through a
//    deliberate SetFileInformationByHandle; a file renamed over this one has
//    a new change time (and another inode on POSIX); a deleted file has no
//    stamp.
//  - N is compared with the clock of the read that made the snapshot, not of
//    the read that uses it: a copy read while the file was still recent may
//    miss a second change in the same time step, however old the file looks
//    later (the platform's profile functions have that gap; this store
//    does not).
//  - The store's own writes drop the snapshot.
// This rests on the file system stamping each change with its time on a
// clock within kSettleTime of ours: true of local disks; not of a network
// share whose client caches file times, or whose server's clock lags more.
// On a file system without change times (FAT), a writer that puts back the
// exact last-write time of the snapshot's version on other content of the
// same size goes unseen; profile writers and editors stamp their writes with
// the time of writing, and copies carry the time of the content they bring.
// Writes through a shared memory mapping, whose times move late, are seen
// once their times move.
//
// A store object is for one thread at a time.
//
// Beyond ProfileStore's contract:
//  - names and values end at an embedded NUL, as C strings do;
//  - blanks around names are ignored when looking up; read_int and read_text
//    find the first entry of a name in the first section of a name;
//    delete_key and delete_section match names exactly (blanks count);
//  - a write of the value an entry already has leaves the file untouched;
//    any other write rewrites it in the platform's layout (CR LF lines, no
//    blank lines, blanks around names and values dropped);
//  - a value in matching quotes reads without them; a default loses its
//    trailing spaces;
//  - files with a byte-order mark (UTF-8, UTF-16) are read and rewritten in
//    their encoding; callers' text is code page 1252;
//  - a file that cannot be opened (a folder, no access, a missing folder)
//    reads as defaults, with the default's quotes kept, and refuses writes;
//  - a file longer than kMaxFileBytes is treated the same way: it is never
//    rewritten, so nothing of it is lost;
//  - write_texts makes a batch of plain writes in one update of the file;
//  - the path is used as given (the platform looks up a bare file name in the
//    Windows folder; callers here always pass a full path).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/ini/file_layer.h"
#include "common/ini/profile_store.h"

namespace zel {

class IniProfileStore final : public ProfileStore {
 public:
  // Settings files are a few kilobytes; anything near this is not one.
  static constexpr std::size_t kMaxFileBytes = 16u << 20;
  // How old a file's newest time must be for its snapshot to be kept, in
  // nanoseconds: FAT's 2 s steps, and room for the clocks' own steps.
  static constexpr std::int64_t kSettleTime = 3'000'000'000;

  explicit IniProfileStore(std::string path, ini::FileLayer& files = ini::native_file_layer());
  ~IniProfileStore() override;

  std::string read_text(std::string_view section, std::string_view key,
                        std::string_view default_text, std::size_t buffer_size) override;
  std::int32_t read_int(std::string_view section, std::string_view key,
                        std::int32_t default_value) override;
  bool write_text(std::string_view section, std::string_view key, std::string_view value) override;
  bool delete_key(std::string_view section, std::string_view key) override;
  bool delete_section(std::string_view section) override;
  // One read and at most one rewrite of the file for all the writes, when
  // their names and values are plain (no blanks at either end, no line
  // breaks, keys without "=" and not starting with "["); otherwise one write
  // after the other. On failure none of them is in the file.
  bool write_texts(std::span<const ProfileWrite> writes) override;

  const std::string& path() const { return path_; }

 private:
  struct Snapshot;

  template <class Use>
  decltype(auto) lookup(std::string_view section, std::string_view key, Use&& use);
  template <class Edit>
  bool update(Edit&& edit);
  bool replace_file(std::string_view bytes);

  std::string path_;
  ini::FileLayer& files_;
  std::unique_ptr<Snapshot> snapshot_;
};

}  // namespace zel
