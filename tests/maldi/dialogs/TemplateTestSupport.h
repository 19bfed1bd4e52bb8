#pragma once
// Reading the dialogs' templates as the operator sees their layout: which controls lie inside
// which group, and which label a control follows (its mnemonic reaches the next control).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

#include "maldi/resources/MaldiResources.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/WinUser.h"

namespace dlgtemplate {

inline const DialogTemplate& Find(const ResourceId& id)
{
    const DialogTemplate* t = MaldiResources::Module().FindDialog(id);
    if (!t) throw std::runtime_error("no template " + std::string(id.Describe().GetString()));
    return *t;
}

inline const DialogItem* ItemWithText(const DialogTemplate& t, const char* text)
{
    for (const DialogItem& item : t.items)
        if (item.text == text) return &item;
    return nullptr;
}

inline const DialogItem* ItemWithId(const DialogTemplate& t, UINT id)
{
    for (const DialogItem& item : t.items)
        if (item.id == static_cast<int>(id)) return &item;
    return nullptr;
}

inline bool Inside(const DialogItem& inner, const DialogItem& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

// Every control of each group box lies inside it and inside no other listed group.
inline void ExpectGroups(const DialogTemplate& t, const std::map<const char*, std::vector<UINT>>& groups)
{
    for (const auto& [caption, ids] : groups) {
        const DialogItem* group = ItemWithText(t, caption);
        ASSERT_NE(group, nullptr) << caption;
        EXPECT_EQ(group->style & 0xF, static_cast<DWORD>(BS_GROUPBOX)) << caption;
        for (UINT id : ids) {
            const DialogItem* control = ItemWithId(t, id);
            ASSERT_NE(control, nullptr) << id;
            // A drop-down list is as high as its open list; its closed field is what must fit.
            DialogItem closed = *control;
            if (closed.className == "ComboBox") closed.cy = 14;
            EXPECT_TRUE(Inside(closed, *group)) << id << " outside \"" << caption << "\"";
            for (const auto& [other, otherIds] : groups) {
                if (other == caption) continue;
                EXPECT_FALSE(Inside(closed, *ItemWithText(t, other))) << id << " in " << other;
            }
        }
    }
}

// Each label is directly followed by its control.
inline void ExpectLabels(const DialogTemplate& t, const std::map<const char*, UINT>& labels)
{
    for (const auto& entry : labels) {
        const char* label = entry.first;
        const UINT id = entry.second;
        auto at = std::find_if(t.items.begin(), t.items.end(), [&](const DialogItem& i) { return i.text == label; });
        ASSERT_NE(at, t.items.end()) << label;
        ASSERT_NE(at + 1, t.items.end()) << label;
        EXPECT_EQ((at + 1)->id, static_cast<int>(id)) << label;
    }
}

} // namespace dlgtemplate
