// How an installer is laid over its pieces and disks.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/errors.h"
#include "format/media.h"
#include "format/recovery_header.h"
#include "set/layout.h"

namespace pieceset {
namespace {

TEST(Layout, LauncherTakesWholeClustersOnTheFirstDisk) {
  const Medium floppy = *FindPreset("1.44M");
  const PieceLayout layout = PlanLayout(3000000, floppy, floppy, 20000);
  // 20000 bytes take 40 clusters of 512; the rest of 2847 carries FILE.1.
  EXPECT_EQ(layout.first_payload, (2847u - 40u) * 512u - 1024u);
  EXPECT_EQ(layout.later_payload, 2847u * 512u - 1024u);
  EXPECT_EQ(layout.piece_count, 3u);
}

TEST(Layout, ExactMultiplesFillTheLastPieceWithoutAnEmptyOne) {
  const Medium disk = BytesMedium(2024);  // 1000 payload bytes a piece
  EXPECT_EQ(PlanLayout(3000, disk, disk, std::nullopt).piece_count, 3u);
  EXPECT_EQ(PlanLayout(3001, disk, disk, std::nullopt).piece_count, 4u);
  EXPECT_EQ(PlanLayout(1000, disk, disk, std::nullopt).piece_count, 1u);
  EXPECT_EQ(PlanLayout(0, disk, disk, std::nullopt).piece_count, 1u);
}

TEST(Layout, FirstDiskOfAnotherSizeChangesOnlyTheFirstPiece) {
  const PieceLayout layout = PlanLayout(2500, BytesMedium(1524), BytesMedium(2024), std::nullopt);
  EXPECT_EQ(layout.first_payload, 500u);
  EXPECT_EQ(layout.later_payload, 1000u);
  EXPECT_EQ(layout.piece_count, 3u);
}

TEST(Layout, DisksTooSmallForAHeaderAndOneByteAreRefused) {
  EXPECT_THROW(PlanLayout(10, BytesMedium(0), BytesMedium(0), std::nullopt), UsageError);
  EXPECT_THROW(PlanLayout(10, BytesMedium(1024), BytesMedium(1024), std::nullopt), UsageError);
  EXPECT_EQ(PlanLayout(10, BytesMedium(1025), BytesMedium(1025), std::nullopt).piece_count, 10u);
}

TEST(Layout, LauncherThatCrowdsOutFileOneIsRefused) {
  const Medium floppy = *FindPreset("360K");
  try {
    PlanLayout(10, floppy, floppy, 400000);
    FAIL() << "accepted a launcher bigger than the disk";
  } catch (const UsageError& error) {
    EXPECT_NE(std::string(error.what()).find("does not fit on the first disk"),
              std::string::npos)
        << error.what();
  }
  // One cluster short of room for a 1025-byte FILE.1.
  EXPECT_THROW(PlanLayout(10, floppy, floppy, 362496 - 1024), UsageError);
  EXPECT_EQ(PlanLayout(10, floppy, floppy, 362496 - 2048).first_payload, 1024u);
}

TEST(Layout, MoreThan65535PiecesAreRefused) {
  EXPECT_THROW(PlanLayout(70000, BytesMedium(1025), BytesMedium(1025), std::nullopt),
               UsageError);
}

// 256 MiB on 1.44M: 185 disks without recovery pieces.
TEST(RecoveryLayout, PiecesShrinkUntilTheRecoveryPieceFits) {
  const Medium floppy = *FindPreset("1.44M");
  const PieceLayout layout = PlanRecoveryLayout(268435456, floppy, floppy, std::nullopt, 1, 0);
  EXPECT_EQ(layout.piece_count, 207u);
  EXPECT_EQ(layout.later_payload, 1302528u - 1024u);
  EXPECT_LE(RecoveryFileSize(207, 1, 159), 1457664u);
  EXPECT_GT(RecoveryFileSize(207, 1, 160), 1457664u);
  EXPECT_THROW(PlanRecoveryLayout(400u << 20, floppy, floppy, std::nullopt, 1, 0), UsageError);
  EXPECT_THROW(PlanRecoveryLayout(1 << 20, floppy, floppy, std::nullopt, 33, 0), UsageError);
}

}  // namespace
}  // namespace pieceset
