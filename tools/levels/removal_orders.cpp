#include "tools/levels/removal_orders.h"

#include <sstream>

std::string RemovalOrdersText(const RemovalOrders& orders) {
    std::string text = "# Removal orders of the story levels, written by tessalune-levelgen.\n";
    for (size_t i = 0; i < orders.size(); ++i) {
        text += "level " + std::to_string(i + 1) + "\n";
        for (const CellPair& p : orders[i]) {
            text += std::to_string(p.a.x) + " " + std::to_string(p.a.y) + " " +
                    std::to_string(p.b.x) + " " + std::to_string(p.b.y) + "\n";
        }
    }
    return text;
}

RemovalOrders ParseRemovalOrders(const std::string& text) {
    RemovalOrders orders;
    std::stringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("level ", 0) == 0) {
            orders.emplace_back();
            continue;
        }
        std::stringstream fields(line);
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (!orders.empty() && (fields >> x1 >> y1 >> x2 >> y2)) {
            orders.back().push_back({Point(x1, y1), Point(x2, y2)});
        }
    }
    return orders;
}
