#!/usr/bin/env python3
"""Writes the sample news site (category pages, articles, images) next to this script.

The output is committed; run again after editing the tables below.
Needs ImageMagick's `convert` only for images/logo.png.
"""
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
SITE = "澄川新闻网"

# (page, caption, colour, lead sentence, headlines)
CATEGORIES = [
    ("news", "时事", "#c0392b", "这是今年当地推进的一项重点民生工作。", [
        "青岚市启用新一代城市应急广播系统", "澄川河两岸步道改造工程全线完工", "多地推出社区夜间便民服务点",
        "北岭县冬季供暖提前一周启动", "城际快线新增六个停靠站点", "白沙湾海域开展联合救援演练",
        "老旧小区加装电梯试点扩大范围", "市民热线上线智能分派功能", "山区学校营养午餐覆盖率再提升",
        "新建垃圾分类处理中心投入运行", "防汛物资储备库完成年度检查", "公交线路优化方案公开征求意见",
        "社区医院开设周末门诊", "农村道路“村村通”二期开工", "古城墙修缮工程进入收尾阶段"]),
    ("sports", "体育", "#27ae60", "赛事吸引了众多观众到场观看，现场气氛热烈。", [
        "青岚队主场三比一力克澄川队", "全民健身马拉松报名人数创新高", "少年游泳锦标赛落幕 新人频出",
        "市羽毛球联赛决赛周末打响", "女篮新帅首秀告捷", "山地自行车赛道完成升级改造",
        "围棋新秀连胜十二局引关注", "社区足球场夜间免费开放", "田径冬训营在南屿基地开营",
        "乒乓球混双组合晋级四强", "冰雪运动进校园活动启动", "业余网球公开赛落下帷幕",
        "排球联赛第二阶段赛程公布", "龙舟邀请赛将于端午前举行", "体育公园新增攀岩墙"]),
    ("yule", "娱乐", "#8e44ad", "主创团队表示，希望作品能给观众带来温暖和力量。", [
        "原创音乐剧《星河渡口》首演成功", "城市民谣节吸引上万乐迷", "青年导演新片入围电影展",
        "古装剧《云间书》定档暑期", "露天电影周回归老街广场", "相声新秀专场笑声不断",
        "动画电影《纸鸢》票房破亿", "少儿合唱团获国际比赛金奖", "综艺节目聚焦非遗手艺人",
        "交响乐团开启新年巡演", "话剧《灯塔》应观众要求加演三场", "独立乐队发布第二张专辑",
        "纪录片《河流的记忆》开播", "舞剧《竹影》入选优秀剧目", "网络短剧创作大赛启动"]),
    ("games", "游戏", "#2c3e50", "玩家们普遍认为，好的玩法和用心的内容最能打动人。", [
        "独立游戏《雾岛》上线首周获好评", "电竞城市联赛秋季赛开幕", "益智手游帮助老人锻炼记忆",
        "桌游咖啡馆成年轻人新去处", "游戏开发者大会聚焦原创玩法", "像素风冒险游戏登上热销榜",
        "高校电竞社团联赛决出冠军", "适龄提示新规落地执行", "经典棋牌游戏推出适老版本",
        "虚拟现实体验馆开进商场", "游戏配乐音乐会门票售罄", "小型工作室获创作扶持资金",
        "解谜游戏融入传统文化元素", "街机主题展回顾三十年变迁", "家长课堂讲解健康游戏习惯"]),
    ("tech", "科技", "#2980b9", "研究人员介绍，这项成果从立项到落地历时三年。", [
        "青岚科研团队研发新型储能材料", "城市数据中心采用液冷节能技术", "智能农机在北岭麦田试运行",
        "开源操作系统社区发布新版本", "无人配送车进入园区试点", "气象卫星数据向公众开放",
        "高校实验室突破柔性屏幕工艺", "家用机器人展会人气火爆", "光纤网络覆盖延伸至偏远山村",
        "智慧路灯可自动调节亮度", "青少年编程夏令营开始报名", "海水淡化新工艺降低能耗",
        "科技馆新展厅聚焦人工智能", "氢能公交线路开通运营", "手机应用隐私检测平台上线"]),
    ("edu", "教育", "#d35400", "学校负责人表示，将把这项工作作为提升育人质量的重要抓手。", [
        "全市新增二十所普惠幼儿园", "中学开设劳动教育必修课", "职业院校与企业共建实训基地",
        "高校图书馆向市民开放预约", "乡村教师培训计划第三期启动", "课后托管服务覆盖全部小学",
        "青岚大学新建海洋科学学院", "中小学阅读季活动拉开帷幕", "特殊教育学校新校区落成",
        "社区老年大学春季班开课", "在线课程平台上线方言课程", "校园午餐实行营养师配餐",
        "研学旅行线路评选结果公布", "家校共育讲座走进社区", "校园心理咨询室实现全覆盖"]),
    ("jingji", "经济", "#b8860b", "统计部门的数据显示，相关指标连续多个月保持增长。", [
        "一季度全市外贸进出口平稳增长", "小微企业贷款利率继续下调", "夜间经济带动老街商户增收",
        "澄川港集装箱吞吐量创新高", "农产品直播带货助力乡村振兴", "新能源产业园签约十二个项目",
        "消费券发放拉动假日消费", "本地茶叶品牌走向海外市场", "跨境电商综合试验区扩容",
        "物流园区实现全天候通关", "制造业企业加快数字化改造", "县域商业体系建设稳步推进",
        "创业孵化基地迎来首批毕业企业", "渔业合作社年收入同比增长", "旅游消费回暖带动餐饮住宿"]),
    ("house", "地产", "#16a085", "住建部门表示，将持续满足群众多样化的住房需求。", [
        "保障性租赁住房新增三千套", "旧城改造项目居民回迁入住", "住房公积金贷款政策优化调整",
        "新建小区配套学校同步交付", "二手房交易实现线上办理", "绿色建筑标准全面推行",
        "人才公寓首批申请启动", "物业服务质量评价结果公布", "滨江新区规划方案公示",
        "装配式住宅项目顺利封顶", "租房合同网签备案更便捷", "老旧厂房改造为创意街区",
        "社区停车位共享试点上线", "房屋安全体检覆盖全部老楼", "新建住宅须配建充电车位"]),
    ("travel", "旅游", "#1e90ff", "文旅部门提醒游客提前规划行程，错峰出游。", [
        "云溪古镇春季花海迎来游客高峰", "北岭雪乡冰灯节开幕", "滨海栈道全线贯通 可观日出",
        "乡村民宿集群带火周末游", "博物馆夜场开放至晚九点", "徒步线路地图免费发放",
        "澄湖湿地观鸟季开启", "非遗文化体验游受欢迎", "景区实行分时预约不排队",
        "自驾营地新增房车位", "老火车站改建为旅游集散中心", "山顶观景台完成安全升级",
        "特色美食街入选推荐名单", "红叶谷最佳观赏期将至", "海岛旅游航线加密班次"]),
    ("auto", "汽车", "#546e7a", "交通部门提醒广大车主文明驾驶，安全出行。", [
        "新能源汽车下乡活动启动", "城区新增两千个公共充电桩", "驾考科目预约改为线上办理",
        "二手车交易市场规范升级", "自动泊车技术测试场开放", "冬季行车安全提示发布",
        "本土电动车品牌发布新车型", "汽车文化节吸引众多车迷", "老旧车辆淘汰补贴继续实施",
        "高速服务区充电站全覆盖", "电池回收利用中心投入运营", "网约车服务标准进一步完善",
        "智能网联汽车示范区扩区", "汽车零部件企业扩产增岗", "车主课堂讲解轮胎保养知识"]),
    ("lady", "女性", "#d63384", "活动组织者表示，希望为女性搭建交流和成长的平台。", [
        "女性创业扶持计划开放申请", "社区妈妈课堂讲解科学育儿", "春季养生：早睡早起多运动",
        "女子读书会办满一百期", "职场女性健康讲座走进园区", "手工刺绣合作社带动就业",
        "居家收纳小技巧分享", "女性科技工作者座谈会举行", "秋冬护肤指南：保湿是关键",
        "巾帼志愿服务队走进养老院", "亲子阅读打卡活动受欢迎", "女子篮球爱好者联赛开赛",
        "平衡饮食助力健康生活", "非遗旗袍制作技艺展示", "女性心理健康热线开通"]),
]

PLACES = ["青岚市", "澄川区", "北岭县", "云溪镇", "南屿区", "白沙湾"]
REPORTERS = ["苏云帆", "林晓舟", "陈一禾", "周念安", "许清源", "何知秋", "沈若川"]
CITIZENS = ["王女士", "李先生", "张阿姨", "刘师傅", "赵同学", "孙大爷"]
MIDDLES = [
    "据{place}有关部门介绍，相关工作自今年年初开始筹备，先后组织了多轮调研和意见征集，力求让更多群众从中受益。",
    "业内人士认为，这一举措有利于激发活力、提升服务水平，也为周边地区提供了可以借鉴的做法。",
    "活动现场气氛热烈，参与者纷纷表示收获满满，希望今后能举办更多类似的活动。",
    "记者在现场看到，工作人员正在有序忙碌，前来了解情况的群众络绎不绝。",
]
QUOTES = [
    "“以前要花不少时间，现在方便多了。”家住{place}的{citizen}说。",
    "“这件事办到了大家心坎上。”{citizen}笑着告诉记者。",
    "{citizen}表示，自己会把这个好消息告诉身边的亲友。",
]
CLOSINGS = [
    "下一步，{place}将继续总结经验，完善配套措施，并根据各方反馈不断优化，让这项工作取得更大实效。",
    "据了解，相关部门还将适时公布后续安排，欢迎市民通过热线提出意见和建议。",
]

CATEGORY_CSS = """html,body{margin:0;padding:0;background:#fff}
body{font:12px/18px SimSun,"WenQuanYi Zen Hei",sans-serif;color:#222}
h1{margin:0;padding:1px 8px;font-size:13px;line-height:20px;color:#fff;background:%s}
h1 span{float:right;font-size:12px;font-weight:normal}
ul{margin:4px 0 0;padding:0 8px;list-style:none;display:grid;grid-template-columns:repeat(3,1fr);
grid-template-rows:repeat(5,18px);grid-auto-flow:column;column-gap:12px;width:713px}
li{white-space:nowrap;overflow:hidden;text-overflow:ellipsis}
li:before{content:"· ";color:%s}
a{color:#1a3d8f;text-decoration:none}
a:hover{color:#c00;text-decoration:underline}"""

ARTICLE_CSS = """body{margin:0;padding:12px 20px;font:14px/1.8 SimSun,"WenQuanYi Zen Hei",sans-serif;color:#222}
.top{border-bottom:3px solid %s;padding-bottom:4px;color:%s;font-size:12px}
.top img{vertical-align:middle;margin-right:8px}
h1{font-size:22px;line-height:1.4;margin:16px 0 4px}
.date{color:#888;font-size:12px;margin-bottom:12px}
p{text-indent:2em;margin:0 0 10px}
figure{margin:8px 0 12px;text-align:center;color:#666;font-size:12px}"""


def date_for(category_index, item_index):
    day = 1 + (category_index * 3 + item_index) % 28
    return "2024年06月%02d日 %02d:%02d" % (day, 8 + item_index % 10, (item_index * 7) % 60)


def write(relative, text):
    path = os.path.join(HERE, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)


def article_name(page, index):
    return "%s-%02d.htm" % (page, index + 1)


def category_page(ci, page, caption, colour, headlines):
    items = "\n".join(
        '<li><a href="articles/%s" target="_blank">%s</a></li>' % (article_name(page, i), title)
        for i, title in enumerate(headlines))
    return """<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>vorn</title>
<style>
%s
</style>
</head>
<body>
<h1>%s<span>%s · %s</span></h1>
<ul>
%s
</ul>
</body>
</html>
""" % (CATEGORY_CSS % (colour, colour), caption, SITE, date_for(ci, 0)[:11], items)


def article_page(ci, page, caption, colour, lead, i, title):
    n = ci * 15 + i
    fill = {"place": PLACES[n % len(PLACES)], "citizen": CITIZENS[n % len(CITIZENS)]}
    reporter = REPORTERS[n % len(REPORTERS)]
    paragraphs = [
        "本报讯（记者 %s）%s。%s" % (reporter, title.replace(" ", "，"), lead),
        MIDDLES[n % len(MIDDLES)].format(**fill) + QUOTES[n % len(QUOTES)].format(**fill),
        CLOSINGS[n % len(CLOSINGS)].format(**fill),
    ]
    body = "\n".join("<p>%s</p>" % p for p in paragraphs)
    return """<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>%s - %s</title>
<style>
%s
</style>
</head>
<body>
<div class="top"><img src="../images/logo.png" width="96" height="24" alt="">%s · %s频道</div>
<h1>%s</h1>
<div class="date">%s　来源：%s　记者：%s</div>
<figure><img src="../images/%s.svg" width="320" height="120" alt="%s"><figcaption>图为%s现场（示意图）</figcaption></figure>
%s
</body>
</html>
""" % (title, SITE, ARTICLE_CSS % (colour, colour), SITE, caption, title, date_for(ci, i), SITE, reporter,
       page, caption, fill["place"], body)


def category_svg(caption, colour):
    return """<svg xmlns="http://www.w3.org/2000/svg" width="320" height="120" viewBox="0 0 320 120">
<rect width="320" height="120" fill="%s"/>
<circle cx="270" cy="30" r="60" fill="#fff" fill-opacity="0.15"/>
<circle cx="40" cy="110" r="45" fill="#fff" fill-opacity="0.1"/>
<path d="M0 95 L70 60 L130 85 L200 40 L320 90 L320 120 L0 120 Z" fill="#000" fill-opacity="0.15"/>
<text x="24" y="62" font-family="sans-serif" font-size="34" font-weight="bold" fill="#fff">%s</text>
</svg>
""" % (colour, caption)


def index_page():
    links = "\n".join('<li><a href="%s.htm">%s</a></li>' % (page, caption)
                      for page, caption, *_ in CATEGORIES)
    return """<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>vorn</title>
</head>
<body>
<h1>%s</h1>
<ul>
%s
</ul>
</body>
</html>
""" % (SITE, links)


def main():
    for ci, (page, caption, colour, lead, headlines) in enumerate(CATEGORIES):
        write(page + ".htm", category_page(ci, page, caption, colour, headlines))
        write("images/%s.svg" % page, category_svg(caption, colour))
        for i, title in enumerate(headlines):
            write("articles/" + article_name(page, i), article_page(ci, page, caption, colour, lead, i, title))
    write("index.htm", index_page())
    subprocess.run(["convert", "-size", "96x24", "xc:#1453BA", "-fill", "#FFD34E",
                    "-draw", "circle 12,12 12,3", "-fill", "white",
                    "-draw", "rectangle 28,7 88,9", "-draw", "rectangle 28,13 76,15",
                    "-draw", "rectangle 28,19 82,21", "-strip", "-depth", "8",
                    os.path.join(HERE, "images", "logo.png")], check=True)


if __name__ == "__main__":
    main()
