#pragma once
// The twelve category selectors in order: caption and page name on the news server.
// The last one has no page: it shows the About page.
#include <array>

struct Category {
    const char *caption; // UTF-8
    const char *pageName;
};

inline constexpr std::array<Category, 12> CategoryTable = {{
    {"时事", "news.htm"},
    {"体育", "sports.htm"},
    {"娱乐", "yule.htm"},
    {"游戏", "games.htm"},
    {"科技", "tech.htm"},
    {"教育", "edu.htm"},
    {"经济", "jingji.htm"},
    {"地产", "house.htm"},
    {"旅游", "travel.htm"},
    {"汽车", "auto.htm"},
    {"女性", "lady.htm"},
    {"关于", nullptr},
}};
