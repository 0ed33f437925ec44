"""The plan for the third difficulty, used by tools/played_win.py (docs/played-wins.md).

At this difficulty the lord starts with leadership 5 and nobility 1, so morale falls every
turn until both are raised, and the mines bring little. The player here:
- trains the castle guard until nobility reaches 10 (each training: nobility + 2),
- researches without pause (each level brings people, crops, meat, health and happiness),
- pays every tithe, crusade and abbey, sends the King ore, holds the tournaments,
- walks the first army to the dolmen (morale + 1 a turn) and the obelisk (health + 3),
- feeds meat only while health or happiness need it (the county grows fast; meat for all
  of it every turn would cost what the taxes bring), crops while health needs them or
  the stores hold them,
- builds the blacksmith, the barracks, the stables, then the thieves' guild (its loot
  comes every turn for good once drawn), and forges and raises the Champions and
  Templars as the base plan does.
"""
from collections import deque

from played_win import Player

# The waypoint graph of the campaign map (both ways except 16 -> 26).
LINKS = {1: [2], 2: [3], 3: [2, 4], 4: [3, 5], 5: [4, 6], 6: [5, 7], 7: [6, 8], 8: [7, 9], 9: [8, 10, 38],
         10: [9, 11], 11: [10, 12], 12: [11, 13], 13: [12, 14], 14: [13, 15, 33], 15: [14, 16],
         16: [15, 17], 17: [16, 18], 18: [17, 19], 19: [18, 20, 31], 20: [19, 21], 31: [19, 32], 32: [31],
         33: [14, 34], 34: [33, 35, 36], 35: [34], 36: [34, 37], 37: [36], 38: [9, 39], 39: [38, 40]}
DOLMEN, OBELISK, MUSTER = 37, 32, 39


def path(a, b):
    prev = {a: None}
    q = deque([a])
    while q:
        x = q.popleft()
        for y in LINKS.get(x, []):
            if y not in prev:
                prev[y] = x
                q.append(y)
    if b not in prev:
        return []
    out = []
    while b != a:
        out.append(b)
        b = prev[b]
    return out[::-1]


class HardPlayer(Player):
    PRICE_BUY = {1: 2, 2: 6, 3: 3, 4: 4, 5: 5}  # crops, meat, wood, stone, ore at the garrison
    GUILD = (3000, 800, 500)
    PLAN = """# The lord starts with leadership 5 and nobility 1: the guard is trained until nobility
# reaches 10 and research runs without pause; the first army walks to the dolmen and
# the obelisk; every tithe, crusade and abbey is paid and the tournaments are held, so
# that leadership, nobility and religion lift morale to 80. The county sells its ore and
# stone to the garrison, buys meat when health or happiness ask for it, builds the
# blacksmith, the barracks, the stables and the thieves' guild, forges the Champions'
# and Templars' gear, raises them and beats the three hostile armies; then it leaves."""

    def __init__(self, r, difficulty, verbose=True):
        super().__init__(r, difficulty, verbose)
        self.guild_ordered = False
        self.tour = [DOLMEN, OBELISK, MUSTER]

    # ------------------------------------------------------------ set-up and people
    def setup(self):
        super().setup()
        # The fields frost spares are tax fields too until people can be spared to sow them.
        for n in self.safe_fields():
            self.set_field(n, 4)
        self.refresh()

    def workers(self):
        s = self.refresh()
        idle = s['IdlePeople']
        have = {k: sum(1 for x in s[k + 'CutterSlots'] if x) for k in ('Ore', 'Stone', 'Wood')}
        want = dict(have)
        per = {'Ore': 185, 'Stone': 300, 'Wood': 260}
        while idle >= per['Ore'] and want['Ore'] < 5:
            want['Ore'] += 1; idle -= per['Ore']
        self.cutter('OreCutterImg1', 'OreFrm', 'OreCutterSlots', want['Ore'])
        self.farm()
        s = self.refresh()
        idle = s['IdlePeople']
        stone_slots = 1 if self.stone_needed() > 0 else 0
        while idle >= per['Stone'] and want['Stone'] < stone_slots:
            want['Stone'] += 1; idle -= per['Stone']
        while idle >= per['Wood'] and want['Wood'] < 5:
            want['Wood'] += 1; idle -= per['Wood']
        self.cutter('WoodCutterImg1', 'WoodFrm', 'WoodCutterSlots', want['Wood'])
        self.cutter('StoneCutterImg1', 'Stonefrm', 'StoneCutterSlots', want['Stone'])

    def farm(self):
        """Crop fields sown in spring on the fields frost spares (tax fields until then)."""
        s = self.refresh()
        if s['Season'] != 1:
            return
        for n in self.safe_fields():
            s = self.refresh()
            if s['FieldKind'][n - 1] in (0, 4) and s['IdlePeople'] >= 100:
                self.set_field(n, 1)

    # ------------------------------------------------------------ what is still to build
    def buildings_left(self):
        """The blacksmith, the barracks and the stables, then the thieves' guild."""
        s = self.s
        out = []
        for flag, btn, kind in (('BlacksmithBuilt', 'BlacksmithBtn', 1), ('BarracksBuilt', 'BaracksBtn', 2),
                                ('StablesBuilt', 'StablesBtn', 3)):
            if not s[flag]:
                out.append((btn, kind, self.COST[kind]))
        if not s['ThievesBuilt'] and not self.guild_ordered and s['ThiefLootGold'] == 0:
            out.append(('ThievesBtn', 5, self.GUILD))
        return out

    def stone_needed(self):
        s = self.s
        need = sum(c[2] for _, _, c in self.buildings_left())
        return max(0, need - s['Stone'])

    def reserve(self):
        """Gold kept for the Church's tithe when this end of turn asks it, and some."""
        s = self.s
        tithe = s['People'] * 4 // 10 if (s['TurnCounter'] + 1) % 6 == 0 else 0
        return tithe + 500

    # ------------------------------------------------------------ the turn's economy
    def economy(self):
        s = self.refresh()
        self.tax()
        self.feed()
        self.sell_surplus()
        self.guard()
        self.research_now()
        self.construct()
        s = self.refresh()
        champ, templ, need = self.gear_need()
        if s['BlacksmithBuilt'] and (champ or templ):
            self.choose_smith(need)

    def tax(self):
        s = self.refresh()
        h, rate = s['Happiness'], s['TaxRate']
        if h >= 68 and rate < 100:
            rate += 10
        elif h < 45:
            rate = max(0, rate - 30)
        elif h < 56 and rate > 0:
            rate -= 10
        self.set_tax(rate)

    def buy(self, goods):
        """goods: good -> amount; bought while the gold covers them."""
        s = self.refresh()
        gold = s['Gold']
        amounts = {}
        for g, a in goods.items():
            a = min(a, (gold // self.PRICE_BUY[g]) // 10 * 10)
            if a >= 10:
                amounts[g] = a
                gold -= a * self.PRICE_BUY[g]
        if amounts:
            self.trade({}, amounts)

    def feed(self):
        """Meat while health or happiness need it; crops while health is below 95 or the
        stores hold them. A store is never left empty: no gold comes in while one is."""
        s = self.refresh()
        meat = s['People'] // 12 + 10
        crops = s['People'] // 4 + 10
        want_meat = s['Health'] < 85 or s['Happiness'] < 55 or s['Meat'] >= 3 * meat
        want_crops = s['Health'] < 95 or s['Crops'] >= crops
        goods = {}
        if want_meat and s['Meat'] < meat:
            goods[2] = (meat - s['Meat']) // 10 * 10 + 10
        if want_crops and s['Crops'] < crops:
            goods[1] = (crops - s['Crops']) // 10 * 10 + 10
        elif s['Crops'] < 1:
            goods[1] = 10   # no gold comes in while a store is empty
        if goods:
            self.buy(goods)
        s = self.refresh()
        eat_meat = s['Meat'] > 0 and want_meat
        if s['Meat'] < 1:
            self.buy({2: 10})
        eat_crops = s['Crops'] > 0 and (want_crops or s['Crops'] > 4 * crops)
        # An empty store's option is disabled (the turn stops that ration by itself).
        meat_change = s['Meat'] > 0 and bool(s['EatMeat']) != eat_meat
        crops_change = s['Crops'] > 0 and bool(s['EatCrops']) != eat_crops
        if meat_change or crops_change:
            self.r.cmd('click Camp1Frm.PeopleBtn')
            if meat_change:
                self.r.cmd('check PeopleFrm.MeatOption %d' % int(eat_meat))
            if crops_change:
                self.r.cmd('check PeopleFrm.CropsOption %d' % int(eat_crops))
            self.r.cmd('click PeopleFrm.OkAniBtn')

    def sell_surplus(self):
        s = self.refresh()
        L = s['ScienceLevel']
        keep_ore = 70 * (L + 1) + 400   # the next research, and ore for the King's provisions
        if s['BlacksmithBuilt']:
            keep_ore += 2100
        keep_stone = sum(c[2] for _, _, c in self.buildings_left())
        sell = {}
        if s['Ore'] - keep_ore >= 100:
            sell[5] = (s['Ore'] - keep_ore) // 10 * 10
        if s['Stone'] - keep_stone >= 100:
            sell[4] = (s['Stone'] - keep_stone) // 10 * 10
        if s['Wood'] > 12000:
            sell[3] = (s['Wood'] - 12000) // 10 * 10
        if sell:
            self.trade(sell, {})

    def guard(self):
        """Trains the castle guard (nobility + 2 each) until nobility reaches 10."""
        s = self.refresh()
        if s['Nobility'] >= 10 or s['GuardTrainingCountdown'] != 200:
            return
        price = 700 * s['GuardLevel']
        if s['Gold'] < price + self.reserve() // 2:
            return
        r = self.r
        r.note('the guard trained (level %d)' % s['GuardLevel'])
        r.cmd('key Camp1Frm M')
        r.cmd('click GuardFrm.GuardBtn')
        r.cmd('click GuardFrm.OkAniBtn')
        if 'GuardFrm' in self.open():
            r.cmd('click GuardFrm.Noanibtn')

    def research(self):
        pass  # done in economy(), before the buildings

    def research_now(self):
        s = self.refresh()
        L = s['ScienceLevel']
        if s['ResearchCountdown'] != 200 or s['Gold'] < 300 * L + self.reserve() or s['Ore'] < 70 * L:
            return
        self.start_research(L)

    def construct(self):
        s = self.refresh()
        if s['BuildTurnsLeft'] != 200:
            return
        left = self.buildings_left()
        if not left:
            return
        btn, kind, (g, w, st) = left[0]
        if btn == 'ThievesBtn' and not self.guild_in_time(s['TurnCounter']):
            return
        short_w, short_s = max(0, w - s['Wood']), max(0, st - s['Stone'])
        cost = g + short_w * 3 + short_s * 4
        if s['Gold'] < cost + self.reserve():
            return
        if short_w or short_s:
            goods = {}
            if short_w:
                goods[3] = short_w // 10 * 10 + 10
            if short_s:
                goods[4] = short_s // 10 * 10 + 10
            self.buy(goods)
        s = self.refresh()
        if s['Gold'] >= g and s['Wood'] >= w and s['Stone'] >= st and self.build(btn):
            self.r.note('building %s' % btn)
            self.log('  build', btn)
            if btn == 'ThievesBtn':
                self.guild_ordered = True

    @staticmethod
    def guild_in_time(t):
        """The guild ordered at turn t stands from turn t + 3 on; it draws its loot on an
        even turn and is broken up on a ninth: it must see an even turn before that."""
        n = t + 3
        while n % 9 and n % 2:
            n += 1
        return n % 2 == 0

    # ------------------------------------------------------------ the turn's questions
    def answer(self, top):
        r = self.r
        if top == 'TournamentFrm':
            s = self.refresh()
            if s['Gold'] >= 3500 + self.reserve() and s['Morale'] < 85:
                r.note('tournament held')
                r.cmd('click TournamentFrm.OkAniBtn')
            else:
                r.cmd('click TournamentFrm.Noanibtn')
            return
        if top == 'GarryFrm':
            s = self.refresh()
            # The King's provisions: 400 ore is worth 2000 at the garrison's buy prices.
            if s['Ore'] >= 400:
                r.note('provisions: 400 ore')
                self.garry_amount(5, 400)
                r.cmd('click GarryFrm.OkAniBtn')
                return
        if top == 'ReligionFrm':
            vis, _ = self.visible_buttons(top)
            if 'StakeNoAniBtn' in vis:
                s = self.refresh()
                r.cmd('click ReligionFrm.' + ('StakeOkAniBtn' if s['Happiness'] >= 75 else 'StakeNoAniBtn'))
                return
        super().answer(top)

    def accept_event(self, kind, s):
        gold = s['Gold']
        if kind == 1:
            return s['Ore'] >= 400 or s['Crops'] >= 1500
        if kind == 4:
            return gold >= 3500
        if kind == 5:
            return gold >= 2700
        if kind == 20:
            return gold >= 3000
        if kind == 21:
            return gold >= 2500
        return super().accept_event(kind, s)

    # ------------------------------------------------------------ the first army's tour
    def campaign(self, colours):
        s = self.refresh()
        if self.tour and s['CampExists'][0]:
            at = s['CampWaypoint'][0]
            while self.tour and at == self.tour[0]:
                self.tour.pop(0)
            if self.tour:
                self.walk(1, self.tour[0])
                s = self.refresh()
                if s['CampWaypoint'][0] == self.tour[0]:
                    self.tour.pop(0)
                return super().campaign(colours) if not self.tour else None
        return super().campaign(colours)

    def walk(self, k, goal):
        r = self.r
        while True:
            s = self.refresh()
            at = s['CampWaypoint'][k - 1]
            if at == goal or s['CampMovesLeft'][k - 1] == 0:
                return
            p = path(at, goal)
            if not p:
                return
            r.cmd('rclick Camp1Frm.ArmyCamp%dImg' % k)
            r.cmd('click Camp1Frm.WalkTo%d' % p[0])
            r.cmd('wait 3000')
            if self.refresh()['CampWaypoint'][k - 1] == at:
                return

    def status(self):
        s = self.s
        return (' guard %d loot %d/%d/%d/%d science %d blessings %s camps %s/%s diplo %d' % (
            s['GuardLevel'], s['ThiefLootGold'], s['ThiefLootWood'], s['ThiefLootStone'], s['ThiefLootOre'],
            s['ScienceLevel'], s['CountyBlessings'], s['CampWaypoint'], s['ArmyCampSoldiers'], s['Diplomacy']))
