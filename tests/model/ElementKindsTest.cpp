#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "model/BlockElement.h"
#include "model/LogicElement.h"
#include "model/PinChoiceLayout.h"

namespace {

// A new element of every kind and every gate layout, as its table's record.
struct NewElement {
    ElementKind kind;
    Pins pins;
    Size size;
    std::vector<Point> offsets;  // of every pin
};

template <typename Element>
NewElement described(const Element& element) {
    NewElement made{element.kind, element.pins, {element.width, element.height}, {}};
    for (int pin = 0; pin < kPinCount; ++pin) made.offsets.push_back(element.pinOffset(pin));
    return made;
}

std::vector<NewElement> everyNewElement() {
    std::vector<NewElement> all;
    for (size_t inputs = 1; inputs <= kGateLayouts.size(); ++inputs)
        all.push_back(described(CLogicElement(true, static_cast<uint16_t>(inputs), false)));
    for (const ElementKindInfo& info : kElementKindInfos) {
        if (info.kind == LogicElement) continue;
        if (info.table == ElementTable::Logic) {
            all.push_back(described(CLogicElement(info.kind)));
        } else {
            all.push_back(described(CBlockElement(info.kind)));
        }
    }
    return all;
}

TEST(ElementKinds, EveryKindIsDescribedOnceAndOnTheMenuOnce) {
    std::set<std::string> names, menuTexts;
    std::set<int> commands;
    for (const ElementKind kind : kElementKinds) {
        const ElementKindInfo& info = kindInfo(kind);
        EXPECT_EQ(info.kind, kind);
        EXPECT_NE(info.table, ElementTable::None) << info.name;
        names.insert(info.name);
        menuTexts.insert(info.menuText);
        commands.insert(info.insertCommand);
        EXPECT_EQ(std::count(kInsertMenuKinds.begin(), kInsertMenuKinds.end(), kind), 1)
            << info.name;
        EXPECT_EQ(elementKindOf(storedNumber(kind)), kind);
        EXPECT_EQ(LinkKind(kind).elementKind(), kind);
    }
    EXPECT_EQ(names.size(), kElementKinds.size());
    EXPECT_EQ(menuTexts.size(), kElementKinds.size());
    EXPECT_EQ(commands.size(), kElementKinds.size());
    // The numbers of the link fields and of stray file tags name no kind.
    for (const int32_t number : {0, 7, 12, -1}) {
        EXPECT_FALSE(elementKindOf(number)) << number;
        EXPECT_FALSE(LinkKind::fromStored(number).elementKind()) << number;
        EXPECT_EQ(kindInfo(static_cast<ElementKind>(number)).name, std::string("Unknown"));
    }
}

// Inputs on the left edge; outputs on the right edge, or, for the narrow bodies of
// input signals and generators, on the tip of the arrow one column inside it.
TEST(ElementKinds, EveryPinOfANewElementSitsOnItsEdge) {
    for (const NewElement& element : everyNewElement()) {
        const ElementKindInfo& info = kindInfo(element.kind);
        SCOPED_TRACE(std::string(info.name) + " " + std::to_string(element.size.height));
        for (int pin = 0; pin < kPinCount; ++pin) {
            const bool present = element.pins[pin].present != 0;
            if (pin > 8) {
                EXPECT_EQ(present, hasPin(info.pins, pin)) << pin;
                EXPECT_EQ(element.pins[pin].value != 0, hasPin(info.highAtStart, pin)) << pin;
            }
            if (!present) continue;
            const Point at = element.offsets[static_cast<size_t>(pin)];
            EXPECT_GT(at.y, 0) << pin;
            EXPECT_LT(at.y, element.size.height) << pin;
            if (pin < 9) {
                EXPECT_EQ(at.x, 0) << pin;
            } else {
                EXPECT_GE(at.x, element.size.width - 1) << pin;
                EXPECT_LE(at.x, element.size.width) << pin;
            }
        }
        EXPECT_EQ(element.pins[10].present != 0, hasTwoOutputs(info));
    }
}

// The button of every pin a new element has stands beside that pin in the dialog's
// magnified picture: level with it, left of the picture for an input, right of it
// for an output.
TEST(ElementKinds, EveryPinChoiceButtonStandsBesideItsPin) {
    const PinChoiceLayout& layout = kPinChoiceLayout;
    for (const NewElement& element : everyNewElement()) {
        const ElementKindInfo& info = kindInfo(element.kind);
        SCOPED_TRACE(std::string(info.name) + " " + std::to_string(element.size.height));
        const int32_t pictureLeft = layout.pictureOrigin.x;
        const int32_t pictureRight = pictureLeft + layout.magnification * element.size.width;
        for (int pin = 0; pin < kPinCount; ++pin) {
            if (!element.pins[pin].present) continue;
            const Rect button = pinButtonRect(pin, element.size, hasTwoOutputs(info));
            const int32_t row = layout.pictureOrigin.y +
                                layout.magnification * element.offsets[static_cast<size_t>(pin)].y;
            EXPECT_EQ(button.width(), layout.buttonSize) << pin;
            EXPECT_EQ(button.height(), layout.buttonSize) << pin;
            EXPECT_LE(button.top, row) << pin;
            EXPECT_GT(button.bottom, row) << pin;
            if (pin < 9) {
                EXPECT_LE(button.right, pictureLeft) << pin;
            } else {
                EXPECT_GE(button.left, pictureRight) << pin;
            }
        }
    }
}

}  // namespace
