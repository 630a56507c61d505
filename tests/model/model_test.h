#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/heap_tree.h"
#include "tests/model/recording_presentation.h"

// Every model test starts from the state the program starts with and an empty call log.
class ModelTest : public testing::Test {
  protected:
    void SetUp() override {
        HeapTree = HeapTreeState{};
        PresentationCalls().clear();
    }
};

// Names parameterised cases after the `name` field of their table row; each row type also
// prints as its name, which keeps test listings readable.
template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// The values of nodes 1..nodeCount, in level order.
inline std::vector<int> TreeValues() {
    return std::vector<int>(HeapTree.value + 1, HeapTree.value + 1 + HeapTree.nodeCount);
}

// Makes `values` the tree, in level order.
inline void SetTreeValues(const std::vector<int>& values) {
    HeapTree.nodeCount = static_cast<int>(values.size());
    for (int i = 1; i <= HeapTree.nodeCount; ++i)
        HeapTree.value[i] = values[i - 1];
}
