// The paragraph buffers and their sizing rules: text buffers of n + 8 rounded down to 8 when
// created and of m rounded up to 16 when grown, never shrinking; line-start tables from the
// wrap estimate, grown by 8, and none at all while a paragraph has one line.
#include <gtest/gtest.h>

#include "engine/para_storage.h"
#include "engine/para_wrapper.h"

#include <cstring>

namespace wendax {
namespace {

TEST(ParaStorage, CreatedTextBufferIsTheNextMultipleOfEightAboveTheLength) {
    TParaStorage storage;
    const TParaNode& empty = storage.Node(storage.Create(""));
    EXPECT_EQ(empty.Capacity, 0);
    EXPECT_EQ(empty.Text, 0u);
    EXPECT_EQ(storage.Text(empty), "");
    EXPECT_EQ(storage.Node(storage.Create("abc")).Capacity, 8);
    EXPECT_EQ(storage.Node(storage.Create("abcdefg")).Capacity, 8);
    EXPECT_EQ(storage.Node(storage.Create("abcdefgh")).Capacity, 16);
    EXPECT_EQ(storage.Node(storage.Create(std::string(32767, 'a'))).Capacity, 32768);
}

TEST(ParaStorage, GrownTextBufferIsRoundedToSixteenAndNeverShrinks) {
    TParaStorage storage;
    TParaNode& node = storage.Node(storage.Create("abc"));
    storage.ReserveText(node, 8);
    EXPECT_EQ(node.Capacity, 8);
    storage.ReserveText(node, 9);
    EXPECT_EQ(node.Capacity, 16);
    EXPECT_EQ(storage.Text(node), "abc");
    storage.ReserveText(node, 4);
    EXPECT_EQ(node.Capacity, 16);
    TParaNode& empty = storage.Node(storage.Create(""));
    storage.ReserveText(empty, 2);
    EXPECT_EQ(empty.Capacity, 16);
    EXPECT_EQ(storage.Text(empty), "");
}

TEST(ParaStorage, LineStartEstimateFollowsTheWrapWidth) {
    EXPECT_EQ(EstimatedLineStarts(100, 0), 1);
    EXPECT_EQ(EstimatedLineStarts(10, 80), 8);
    EXPECT_EQ(EstimatedLineStarts(800, 80), 16);   // 10 + 2 rounded up to 16
    EXPECT_EQ(EstimatedLineStarts(4000, 80), 64);  // 50 + 10 rounded up to 64
    EXPECT_EQ(GrownLineStarts(1), 8);
    EXPECT_EQ(GrownLineStarts(9), 16);
}

TEST(ParaStorage, OneLineParagraphHasNoTableUntilASecondLineAppears) {
    TParaStorage storage;
    TParaWrapper wrapper(storage);
    wrapper.SetParams({80, 8});
    TParaNode& node = storage.Node(storage.Create(std::string(800, 'a')));
    TParaNode& shortNode = storage.Node(storage.Create("short"));
    wrapper.Wrap(shortNode);
    EXPECT_EQ(shortNode.Lines(), 1);
    EXPECT_EQ(shortNode.LineStarts, 0u);
    EXPECT_EQ(shortNode.LineStartsCapacity, 8);
    wrapper.Wrap(node);
    EXPECT_EQ(node.Lines(), 10);
    EXPECT_NE(node.LineStarts, 0u);
    EXPECT_EQ(node.LineStartsCapacity, 16);
    wrapper.SetParams({10, 8});
    wrapper.Wrap(node);
    EXPECT_EQ(node.Lines(), 80);
    EXPECT_EQ(node.LineStartsCapacity, 96);  // estimate 80 + 16
    wrapper.SetParams({0, 8});
    wrapper.Wrap(node);
    EXPECT_EQ(node.Lines(), 1);
    EXPECT_EQ(node.LineStartsCapacity, 96);  // never shrinks
}

TEST(ParaStorage, LineStartTableGrowsToTheNeededCountRoundedToEight) {
    TParaStorage storage;
    TParaWrapper wrapper(storage);
    wrapper.SetParams({1, 8});
    TParaNode& node = storage.Node(storage.Create("ab"));
    wrapper.Wrap(node);  // estimate for 2 characters at width 1: 8
    EXPECT_EQ(node.LineStartsCapacity, 8);
    storage.ReserveText(node, 12);
    std::memcpy(storage.MutableText(node) + 2, "cdefghijk", 10);
    node.Length = 11;
    wrapper.Rewrap(node, 2, 0, 9);
    EXPECT_EQ(node.Lines(), 11);
    EXPECT_EQ(node.LineStartsCapacity, 16);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(storage.LineStarts(node)[i], i);
}

}  // namespace
}  // namespace wendax
