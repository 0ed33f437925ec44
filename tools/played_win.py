#!/usr/bin/env python3
"""Plays level 15 through the script runner as a player would, and writes what it did
as a script of the runner (tests/scenarios/played_win_1.fs, tests/played_wins/*.fs).

Only input a player could give: clicks, keys, typed numbers, answers to the turn's
questions; battles are fought by the real battle program. The player reads the game's
state between its moves (as a player reads the screens) to decide what to do; the
script it writes holds only the moves, the checks of the battles won and the hand-over.
docs/played-wins.md describes its plan.

usage: tools/played_win.py TOOL GAME_DIR DIFFICULTY [OUT.fs]   (MAX_TURNS=200)
e.g.   tools/played_win.py build/fiefdom-tool build/game 1 tests/scenarios/played_win_1.fs
"""
import atexit, json, os, shutil, subprocess, sys, tempfile

TARGET_CHAMP, TARGET_TEMPLAR = 300, 200
# composition order
MONK, ARCHER, CLUB, SWORD, HELE, TWOH, CAV, HCAV, CHAMP, TEMPL, PAL, LONGB, WARL, ENG = range(14)


class Runner:
    def __init__(self, tool, game):
        self.tmp = tempfile.mkdtemp(prefix='playwin-')
        atexit.register(shutil.rmtree, self.tmp, True)
        subprocess.run([tool, 'options', 'init', self.tmp], check=True)
        shutil.copytree(game + '/localizations', self.tmp + '/localizations')
        shutil.copytree(game + '/level15', self.tmp + '/level15')
        os.symlink(game + '/anim', self.tmp + '/anim')
        os.makedirs(self.tmp + '/Save Game', exist_ok=True)
        shutil.copy(game + '/battledata.rz', self.tmp + '/')
        self.p = subprocess.Popen([tool, 'run', '--game-dir', self.tmp, '--spawn'], stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE, text=True, cwd=self.tmp)
        self.script = []

    def cmd(self, c, record=True):
        if record:
            self.script.append(c)
        self.p.stdin.write(c + '\n')
        self.p.stdin.flush()

    buf = b''

    def readline(self, c):
        import select
        fd = self.p.stdout.fileno()
        while b'\n' not in self.buf:
            if not select.select([fd], [], [], 60)[0]:
                raise RuntimeError('no answer to ' + c + ' after: ' + ' | '.join(self.script[-5:]))
            chunk = os.read(fd, 65536)
            if not chunk:
                return ''
            self.buf += chunk
        line, self.buf = self.buf.split(b'\n', 1)
        return line.decode('utf-8', 'replace') + '\n'

    def note(self, text):
        self.script.append('# ' + text)

    def j(self, c, record=False):
        self.cmd(c, record)
        while True:
            l = self.readline(c)
            if not l:
                raise RuntimeError('runner ended after ' + c)
            l = l.rstrip('\n')
            try:
                return json.loads(l)
            except Exception:
                print('!!', l, file=sys.stderr)
                if l.startswith('error') or l.startswith('FAIL'):
                    raise RuntimeError(l)

    def get(self, path):
        return self.j('get ' + path)

    def j_after_record(self):
        while True:
            l = self.readline('(recorded query)')
            try:
                return json.loads(l)
            except Exception:
                print('!!', l, file=sys.stderr)


class Player:
    PLAN = """# The county sells its ore and stone to the garrison for gold and buys its food there,
# builds the blacksmith, the barracks and the stables, forges pikes, shields, plates and
# two-handed swords, raises the Champions and Templars the first objective asks, waits
# for morale 80 and beats the three hostile armies; then it leaves the level."""

    def __init__(self, r, difficulty, verbose=True):
        self.r = r
        self.d = difficulty
        self.verbose = verbose
        self.s = {}
        self.objective_seen = False
        self.colours = None
        self.seed = 1
        self.battles_won = 0

    def log(self, *a):
        if self.verbose:
            print(*a, file=sys.stderr)

    def refresh(self):
        self.s = self.r.j('state')
        return self.s

    def open(self):
        return self.r.j('open')

    def screen(self, f):
        return self.r.j('screen ' + f)

    # ---------------------------------------------------------------- dialogs
    def answer_dialogs(self, limit=60):
        for _ in range(limit):
            o = self.open()
            if o == ['Camp1Frm'] or not o:
                return
            top = o[-1]
            self.answer(top)
        raise RuntimeError('dialogs do not close: %s' % self.open())

    def visible_buttons(self, f):
        sc = self.screen(f)
        return {k: v for k, v in sc.items() if v.get('visible') and v.get('enabled', True)}, sc

    def answer(self, top):
        r = self.r
        vis, sc = self.visible_buttons(top)
        s = self.refresh()
        if top == 'MsgFrm':
            kind = r.get('MsgKind')
            ok = 'OkAniBtn' in vis
            no = 'Noanibtn' in vis
            accept = self.accept_event(kind, s)
            self.log('  event', kind, 'accept' if accept else 'refuse', sc['MsgLbl']['text'][:60])
            r.note('event %d: %s' % (kind, 'accept' if accept else 'refuse'))
            if accept and ok:
                r.cmd('click MsgFrm.OkAniBtn')
            elif no:
                r.cmd('click MsgFrm.Noanibtn')
            else:
                r.cmd('click MsgFrm.OkAniBtn')
        elif top == 'GarryFrm':
            # The King's provisions: crops worth 2000 at the buy prices (2 gold each).
            self.garry_amount(1, 1000 if s['Crops'] >= 1500 else 0)
            if s['Crops'] >= 1500:
                r.note('provisions: 1000 crops')
                r.cmd('click GarryFrm.OkAniBtn')
            else:
                r.cmd('click GarryFrm.Noanibtn')
        elif top == 'ReligionFrm':
            if 'TaxOkAniBtn' in vis:
                tithe = s['ChurchTithe']
                if s['Gold'] >= tithe:
                    r.note('tithe paid')
                    r.cmd('click ReligionFrm.TaxOkAniBtn')
                else:
                    r.note('tithe refused')
                    r.cmd('click ReligionFrm.TaxNoAniBtn')
            elif 'StakeNoAniBtn' in vis:
                # The heretic: burning him pleases the Church and costs happiness.
                r.cmd('click ReligionFrm.' + ('StakeOkAniBtn' if s['Happiness'] >= 50 else 'StakeNoAniBtn'))
            elif 'OkAniBtn' in vis:
                r.cmd('click ReligionFrm.OkAniBtn')
            else:
                raise RuntimeError('religion screen: %s' % list(vis))
        elif top == 'TournamentFrm':
            if s['Gold'] >= 3500 + 3000 and s['Morale'] < 85:
                r.note('tournament held')
                r.cmd('click TournamentFrm.OkAniBtn')
            else:
                r.cmd('click TournamentFrm.Noanibtn')
        elif top == 'ResultsFrm':
            r.cmd('click ResultsFrm.OkAniBtn')
        elif top == 'TipsFrm':
            r.cmd('click TipsFrm.CloseLbl')
        elif top == 'MovieFrm':
            r.cmd('wait 2000')
        else:
            for b in ('OkAniBtn', 'Noanibtn'):
                if b in vis:
                    r.cmd('click %s.%s' % (top, b))
                    return
            r.cmd('wait 1000')

    def accept_event(self, kind, s):
        gold = s['Gold']
        if kind == 1:   # the King's provisions
            return s['Crops'] >= 1500
        if kind == 4:   # crusade
            return gold >= 3500 + 200
        if kind == 5:   # abbey
            return gold >= 2700 + 200
        if kind in (7, 8):  # arms merchants, tenants: refusing brings goods
            return False
        if kind == 20:  # Osric's claim
            return gold >= 3000
        if kind == 21:  # mercenaries' drill
            return gold >= 2500
        if kind == 11:
            return True
        return True

    # ---------------------------------------------------------------- turn
    def end_turn(self):
        self.r.note('the end of turn %d' % self.s['TurnCounter'])
        self.r.cmd('click Camp1Frm.EndTurnBtn')
        self.r.cmd('wait 3000')
        self.answer_dialogs()
        self.r.cmd('wait 3000')
        self.answer_dialogs()

    # ---------------------------------------------------------------- screens
    def garry_amount(self, good, amount):
        """Steps the amount of good (1..5) to about `amount` with the held button."""
        r = self.r
        steps = amount // 10
        if steps <= 0:
            return
        r.cmd('down GarryFrm.UpBtn%d' % good)
        if steps > 1:
            # one step on the press, then one each 30 ms tick
            r.cmd('wait %d' % ((steps - 1) * 30 + 10))
        r.cmd('up GarryFrm.UpBtn%d' % good)

    def trade(self, sell, buy):
        """sell/buy: dict good(1..5) -> amount"""
        r = self.r
        if buy:
            r.cmd('click Camp1Frm.GarryImg')
            for g, a in buy.items():
                self.garry_amount(g, a)
            r.cmd('click GarryFrm.OkAniBtn')
        if sell:
            r.cmd('click Camp1Frm.GarryImg')
            r.cmd('click GarryFrm.ModeBtn')
            for g, a in sell.items():
                self.garry_amount(g, a)
            r.cmd('click GarryFrm.OkAniBtn')

    def set_tax(self, rate):
        s = self.s
        cur = s['TaxRate']
        if cur == rate:
            return
        r = self.r
        r.cmd('click Camp1Frm.TaxBtn')
        up = rate > cur
        while (cur < rate) if up else (cur > rate):
            r.cmd('click TaxFrm.' + ('TaxUp' if up else 'TaxDown'))
            n = r.get('TaxRate')
            if n == cur:
                break
            cur = n
        r.cmd('click TaxFrm.OkAniBtn')

    def cutter(self, img, form, slots_field, want):
        """Sets the number of working slots of a cutter to `want`."""
        s = self.s
        slots = s[slots_field]
        have = sum(1 for x in slots if x)
        if have == want:
            return
        r = self.r
        r.cmd('click Camp1Frm.%s' % img)
        for i, x in enumerate(slots):
            if have < want and not x:
                r.cmd('click %s.SlotImg%d' % (form, i + 1))
                have += 1
            elif have > want and x:
                r.cmd('click %s.SlotImg%d' % (form, i + 1))
                have -= 1
        r.cmd('click %s.OkAniBtn' % form)

    def set_field(self, n, kind):
        # kind buttons: Field1Pic empty, Field2Pic crop, Field3Pic pasture, Field4Pic tax
        self.r.cmd('rclick Camp1Frm.FieldImg%d' % n)
        self.r.cmd('click Camp1Frm.Field%dPic' % (kind + 1 if kind < 4 else 4))

    def order(self, key, form, button):
        """Opens a screen by its key, chooses and confirms; false when it refused."""
        r = self.r
        r.cmd('key Camp1Frm ' + key)
        r.cmd('click %s.%s' % (form, button))
        r.cmd('click %s.OkAniBtn' % form)
        if form in self.open():
            r.cmd('click %s.Noanibtn' % form)
            return False
        return True

    def build(self, button):
        return self.order('U', 'BuildFrm', button)

    def smith(self, button):
        return self.order('B', 'BlacksmithFrm', button)

    # ---------------------------------------------------------------- the plan
    def gear_need(self):
        """Pieces still missing for the Champions and Templars the objective asks; once
        it is met, for the next 300 Champions that reinforce the army."""
        s = self.s
        if self.objective_met():
            return 300, 0, {'PikeBtn': max(0, 300 - s['PikeStock']), 'ShieldBtn': max(0, 300 - s['ShieldStock']),
                            'PlateBtn': max(0, 300 - s['PlateStock']), 'TwoHandBtn': 0}
        comp = [sum(c[i] for c in s['CampComposition']) for i in range(14)]
        champ = max(0, TARGET_CHAMP - comp[CHAMP])
        templ = max(0, TARGET_TEMPLAR - comp[TEMPL])
        return champ, templ, {
            'PikeBtn': max(0, champ - s['PikeStock']),
            'ShieldBtn': max(0, champ - s['ShieldStock']),
            'PlateBtn': max(0, champ + templ - s['PlateStock']),
            'TwoHandBtn': max(0, templ - s['TwoHandStock']),
        }

    def setup(self):
        r = self.r
        r.cmd('seed %d' % self.seed)
        r.cmd('start %d' % self.d)
        self.answer_dialogs()
        # Battles are calculated by the battle program (the in-game menu's option).
        r.cmd('click Camp1Frm.MenuBtn')
        r.cmd('click MenuFrm.OptionsLbl')
        r.cmd('click MenuFrm.MoreOptionsLbl')
        r.cmd('check MenuFrm.AutoCalcOption 1')
        r.cmd('click MenuFrm.OkAniBtn')
        if 'MenuFrm' in self.open():
            r.cmd('click MenuFrm.ReturnLbl')
        assert r.get('Advanced.AutoCalcOption') == -1
        self.refresh()
        # Tax fields bring gold without people. Where frost cannot reach, the harder
        # difficulties keep the fields for crops and cattle.
        for n in range(1, 11):
            if self.d == 1 or n not in self.safe_fields():
                self.set_field(n, 4)
        self.refresh()

    def workers(self):
        """Puts idle people to the ore mine, the stone and the wood cutters."""
        s = self.refresh()
        idle = s['IdlePeople'] - self.keep_idle()
        ore = sum(1 for x in s['OreCutterSlots'] if x)
        stone = sum(1 for x in s['StoneCutterSlots'] if x)
        wood = sum(1 for x in s['WoodCutterSlots'] if x)
        per = {'ore': 185, 'stone': 300, 'wood': 260}
        while idle >= per['ore'] and ore < 5:
            ore += 1; idle -= per['ore']
        if self.d > 1:
            self.cutter('OreCutterImg1', 'OreFrm', 'OreCutterSlots', ore)
            self.farm()
            s = self.refresh()
            idle = s['IdlePeople'] - self.keep_idle()
        while idle >= per['wood'] and wood < 2:
            wood += 1; idle -= per['wood']
        while idle >= per['stone'] and stone < 5:
            stone += 1; idle -= per['stone']
        while idle >= per['wood'] and wood < 5:
            wood += 1; idle -= per['wood']
        self.cutter('OreCutterImg1', 'OreFrm', 'OreCutterSlots', ore)
        self.cutter('WoodCutterImg1', 'WoodFrm', 'WoodCutterSlots', wood)
        self.cutter('StoneCutterImg1', 'Stonefrm', 'StoneCutterSlots', stone)
        self.farm()

    def keep_idle(self):
        return 0

    def safe_fields(self):
        return [2, 5, 6, 8, 10] if self.d == 3 else [2, 5, 6, 7, 8, 9, 10]

    def farm(self):
        """Crop fields in spring and pastures in summer on the fields frost spares."""
        if self.d == 1:
            return
        s = self.refresh()
        season = s['Season']
        kinds = s['FieldKind']
        for n in self.safe_fields():
            s = self.refresh()
            if kinds[n - 1] != 0:
                continue
            if season == 1 and s['IdlePeople'] >= 100:
                self.set_field(n, 1)
            elif season == 2 and s['IdlePeople'] >= 45:
                self.set_field(n, 2)

    def free_people(self, n):
        """Releases cutter slots until n people are idle."""
        s = self.refresh()
        idle = s['IdlePeople']
        for img, form, field, per in (('WoodCutterImg1', 'WoodFrm', 'WoodCutterSlots', 260),
                                      ('StoneCutterImg1', 'Stonefrm', 'StoneCutterSlots', 300),
                                      ('OreCutterImg1', 'OreFrm', 'OreCutterSlots', 185)):
            have = sum(1 for x in s[field] if x)
            want = have
            while idle < n and want > 0:
                want -= 1; idle += per
            self.cutter(img, form, field, want)
            s = self.refresh()
            if idle >= n:
                break

    def building_plan(self):
        s = self.s
        for flag, btn, kind in (('BlacksmithBuilt', 'BlacksmithBtn', 1), ('BarracksBuilt', 'BaracksBtn', 2),
                                ('StablesBuilt', 'StablesBtn', 3)):
            if not s[flag]:
                return btn, kind
        return None, 0

    COST = {1: (5000, 800, 200), 2: (5000, 800, 1000), 3: (6000, 1500, 200)}
    SMITH = {'PikeBtn': (1000, 50), 'ShieldBtn': (400, 100), 'PlateBtn': (0, 1000), 'TwoHandBtn': (0, 700)}

    def economy(self):
        """Tax, trade, building and the blacksmith's order for this turn."""
        s = self.refresh()
        # Tax by happiness.
        # Tax by happiness: the gold comes mostly from the mines through the garrison.
        h = s['Happiness']
        rate = s['TaxRate']
        high, low = 80, 65
        if h >= high and rate < (40 if self.d == 1 else 100):
            rate += 10
        elif h < low and rate > 0:
            rate = max(0, rate - 10)
        self.set_tax(rate)
        s = self.refresh()
        btn, kind = self.building_plan()
        under_way = s['BuildTurnsLeft'] != 200
        champ, templ, need = self.gear_need()
        # What to keep: the next building's wood and stone, the blacksmith's next batch.
        keep_wood = keep_stone = 0
        if btn and not under_way:
            keep_wood, keep_stone = self.COST[kind][1], self.COST[kind][2]
        keep_ore = 2000 if s['BlacksmithBuilt'] else 0
        keep_wood += 2000 if s['BlacksmithBuilt'] else 0
        sell = {}
        if s['Ore'] - keep_ore >= 100:
            sell[5] = (s['Ore'] - keep_ore) // 10 * 10
        if s['Stone'] - keep_stone >= 100:
            sell[4] = (s['Stone'] - keep_stone) // 10 * 10
        keep_wood = max(keep_wood, 3000)
        if s['Wood'] - keep_wood >= 500:
            sell[3] = (s['Wood'] - keep_wood) // 10 * 10
        # Crops for three turns of rations, bought at 2 gold.
        ration = s['People'] // 4 + 1
        buy = {}
        if s['Crops'] < 3 * ration:
            buy[1] = (3 * ration - s['Crops']) // 10 * 10 + 10
        meat = s['People'] // 12 + 1
        if s['Meat'] < 2 * meat:
            buy[2] = (2 * meat - s['Meat']) // 10 * 10 + 10
        # Wood for the pikes, bought at 3 gold while the gold lasts.
        if s['BlacksmithBuilt'] and s['Wood'] < 1500 and s['Gold'] > 8000:
            buy[3] = (1500 - s['Wood']) // 10 * 10 + 10
        self.trade(sell, {})
        if buy:
            self.trade({}, buy)
        # Eating: both rations on whenever the stores hold them.
        s = self.refresh()
        if not s['EatMeat'] and s['Meat'] > 0 or not s['EatCrops'] and s['Crops'] > 0:
            self.r.cmd('click Camp1Frm.PeopleBtn')
            if s['Meat'] > 0:
                self.r.cmd('check PeopleFrm.MeatOption 1')
            if s['Crops'] > 0:
                self.r.cmd('check PeopleFrm.CropsOption 1')
            self.r.cmd('click PeopleFrm.OkAniBtn')
        s = self.refresh()
        if btn and not under_way:
            g, w, st = self.COST[kind]
            if s['Gold'] >= g + 300 and s['Wood'] >= w and s['Stone'] >= st:
                if self.build(btn):
                    self.r.note('building %s' % btn)
                    self.log('  build', btn)
        s = self.refresh()
        if s['BlacksmithBuilt'] and (champ or templ):
            self.choose_smith(need)

    def choose_smith(self, need):
        s = self.s
        order = {0: None, 5: 'TwoHandBtn', 7: 'PikeBtn', 10: 'PlateBtn', 11: 'ShieldBtn'}.get(s['BlacksmithOrder'])
        # The item short by the most batches, that the stores can pay for.
        best = None
        for b, n in sorted(need.items(), key=lambda kv: -kv[1]):
            if n <= 0:
                continue
            w, o = self.SMITH[b]
            if s['Wood'] >= w and s['Ore'] >= o:
                best = b
                break
        if best and best != order:
            if self.smith(best):
                self.r.note('blacksmith: %s' % best)

    def research(self):
        s = self.refresh()
        L = s['ScienceLevel']
        reserve = s['People'] * 4 // 10 + 2000  # the Church's next tithe, and some
        if s['ResearchCountdown'] != 200 or s['Gold'] < 300 * L + reserve or s['Ore'] < 70 * L:
            return
        self.start_research(L)

    def start_research(self, L):
        self.r.note('research towards science level %d' % (L + 1))
        self.r.cmd('key Camp1Frm S')
        self.r.cmd('click ScienceFrm.OkAniBtn')
        if 'ScienceFrm' in self.open():
            self.r.cmd('click ScienceFrm.Noanibtn')

    def objective_met(self):
        return self.colours and self.colours[0] == '#009632'

    def recruit(self):
        """Raises the Champions and the Templars the objective asks, each in its own levy
        as soon as the armoury holds their gear."""
        s = self.refresh()
        champ, templ, need = self.gear_need()
        if self.objective_met():
            return self.reinforce()
        if not s['BarracksBuilt']:
            return False
        done = False
        if templ >= 100 and s['Religion'] >= 50 and s['TwoHandStock'] >= templ and s['PlateStock'] >= templ:
            done |= self.levy([('TemplarBtn', templ)], 'Templars')
            s = self.refresh()
            champ, templ, need = self.gear_need()
        if (champ >= 100 and s['StablesBuilt'] and min(s['PikeStock'], s['ShieldStock'], s['PlateStock']) >= champ):
            done |= self.levy([('ChampionBtn', champ)], 'Champions')
        return done

    def levy(self, units, what, outpost=False):
        s = self.refresh()
        if all(s['CampExists'][i] for i in range(3)):
            return False
        self.free_people(sum(n for _, n in units) + 1)
        r = self.r
        r.note('the levy: ' + ', '.join('%d %s' % (n, b[:-3]) for b, n in units) + (' at the outpost' if outpost else ''))
        r.cmd('click Camp1Frm.OutpostImg1' if outpost else 'key Camp1Frm A')
        typed = 'TypeCountTxt' in self.screen('ArmyFrm')
        for btn, n in units:
            if n <= 0:
                continue
            r.cmd('click ArmyFrm.' + btn)
            if typed:
                r.cmd('type ArmyFrm.TypeCountTxt %d' % n)
            else:
                r.cmd('down ArmyFrm.UpAniBtn')
                r.cmd('wait %d' % ((n - 1) * 30 + 10))
                r.cmd('up ArmyFrm.UpAniBtn')
        r.cmd('click ArmyFrm.OkAniBtn')
        if 'ArmyFrm' in self.open():
            self.log('  levy refused', self.screen('ArmyFrm')['Helper']['text'])
            r.cmd('click ArmyFrm.Noanibtn')
            return False
        self.log('  levy', units)
        return True

    def reinforce(self):
        """A new army of Champions (and whatever the armoury arms besides) when the
        armoury holds the gear for 200 or more."""
        s = self.refresh()
        n = min(s['PikeStock'], s['ShieldStock'], s['PlateStock'])
        if n < 200 or all(s['CampExists']) or not s['StablesBuilt']:
            return False
        units = [('ChampionBtn', n), ('LongBowBtn', s['LongBowStock']), ('ArcherBtn', s['BowStock'])]
        return self.levy(units, 'reinforcements', outpost=s['OutpostState'] == 200)

    def leave(self):
        """Every objective is met: the level is left, and the hand-over is checked."""
        r = self.r
        turn = r.get('TurnCounter')
        r.note('every objective is met: the level is left')
        r.cmd('expect AllObjectivesMet = -1')
        r.cmd('expect-screen TipsFrm.NextLbl visible = true')
        r.cmd('get TurnCounter')
        r.j_after_record()
        r.cmd('click TipsFrm.NextLbl')
        r.note('The summary of the level before the hand-over')
        r.cmd('click SummaryFrm.GoOnBtn')
        files = {f: r.j('file ' + f) for f in ('LGame.rz', 'camp.rz', 'levelinfo.rz')}
        programs = r.j('programs')
        assert files['camp.rz']['text'] == '16\r\n' and files['levelinfo.rz']['text'] == '16\r\n', files
        assert files['LGame.rz']['text'] == '0\r\n', files
        assert programs['ended'] and programs['started'][-2:] == ['splash.rz', 'introdata.rz'], programs
        for f, v in files.items():
            r.cmd('expect-query file %s = %s' % (f, json.dumps(v)))
        r.cmd('expect-query programs = %s' % json.dumps(programs))
        return turn

    def missions(self):
        """Looks at the objectives (each is remembered once met)."""
        r = self.r
        r.cmd('click Camp1Frm.Image1')
        met = r.get('AllObjectivesMet')
        sc = self.screen('TipsFrm')
        colours = [sc['TipLbl%d' % i]['colour'] for i in (1, 2, 3)]
        if met == -1:
            return True
        r.cmd('click TipsFrm.CloseLbl')
        return colours

    def play(self, max_turns=200):
        self.setup()
        for turn in range(max_turns):
            s = self.refresh()
            if not s['PlayerInGame']:
                raise RuntimeError('defeated')
            self.workers()
            self.research()
            self.economy()
            self.recruit()
            m = self.missions()
            if m is True:
                return self.leave()
            self.colours = m
            self.campaign(m)
            s = self.refresh()
            self.log('tax %d ' % s['TaxRate'] + 'turn %d season %d gold %d wood %d stone %d ore %d crops %d meat %d people %d idle %d happy %d morale %.1f rel %d health %d lead %d nob %d gear %s build %s/%s smith %s' % (
                s['TurnCounter'], s['Season'], s['Gold'], s['Wood'], s['Stone'], s['Ore'], s['Crops'], s['Meat'],
                s['People'], s['IdlePeople'], s['Happiness'], s['Morale'], s['Religion'], s['Health'], s['Leadership'],
                s['Nobility'], self.gear_need()[2], s['BuildingUnderWay'], s['BuildTurnsLeft'], s['BlacksmithOrder'])
                + self.status())
            self.end_turn()
        raise RuntimeError('not won in %d turns' % max_turns)

    def status(self):
        return ''

    ROAD = [2, 3, 4, 5, 6, 7, 8, 9, 38, 39, 40, 41, 42, 50, 51, 52, 53]
    FIELDS = {40: 0, 51: 1, 53: 2}  # the waypoint each hostile army holds, by its flag

    def campaign(self, colours):
        green = '#009632'
        if colours[0] != green or colours[1] != green:
            return
        r = self.r
        s = self.refresh()
        camps = [k for k in (1, 2, 3) if s['CampExists'][k - 1] and s['CampWaypoint'][k - 1] in self.ROAD]
        if not camps:
            return
        # The main army: the one furthest along the road; the others march to it.
        main = max(camps, key=lambda k: (self.ROAD.index(s['CampWaypoint'][k - 1]), s['ArmyCampSoldiers'][k - 1]))
        others = [k for k in camps if k != main and s['CampWaypoint'][k - 1] == s['CampWaypoint'][main - 1]]
        if others:
            r.note('the armies combined')
            r.cmd('click Camp1Frm.ArmyCamp%dImg' % main)
            r.cmd('click ArmyCampFrm.CombineBtn')
            for k in others:
                r.cmd('check ArmyCombineFrm.ArmyOption%d 1' % k)
            r.cmd('click ArmyCombineFrm.OkAniBtn')
            if 'ArmyCampFrm' in self.open():
                r.cmd('click ArmyCampFrm.OkAniBtn')
            s = self.refresh()
            camps = [k for k in (1, 2, 3) if s['CampExists'][k - 1] and s['CampWaypoint'][k - 1] in self.ROAD]
            main = min(camps + [main])
            if not s['CampExists'][main - 1]:
                main = max(camps, key=lambda k: s['ArmyCampSoldiers'][k - 1])
        for k in camps:
            if k != main:
                self.march(k, s['CampWaypoint'][main - 1], fight=False)
        self.march(main, None, fight=True)

    def march(self, k, goal, fight):
        r = self.r
        while True:
            s = self.refresh()
            if not s['CampExists'][k - 1] or s['CampMovesLeft'][k - 1] == 0:
                return
            at = s['CampWaypoint'][k - 1]
            if at not in self.ROAD or at == goal:
                return
            i = self.ROAD.index(at)
            if i + 1 >= len(self.ROAD):
                return
            nxt = self.ROAD[i + 1]
            blocked = nxt in self.FIELDS and s['MapEventFlags'][self.FIELDS[nxt]]
            if blocked and (not fight or s['ArmyCampSoldiers'][k - 1] < self.ATTACK_SIZE):
                return
            r.cmd('rclick Camp1Frm.ArmyCamp%dImg' % k)
            if blocked:
                r.note('battle for the field at waypoint %d' % nxt)
                self.log('  battle at', nxt, 'army', s['ArmyCampSoldiers'][k - 1], s['CampComposition'][k - 1])
                r.cmd('click Camp1Frm.WalkTo%d' % nxt)
                r.cmd('click MsgFrm.OkAniBtn')
                r.cmd('wait 4000')
                r.cmd('wait-programs')
                r.cmd('wait 4000')
                out = self.screen('ResultsFrm')['OutcomeLbl']['text']
                r.cmd('click ResultsFrm.OkAniBtn')
                r.note('The mission screen follows the results')
                r.cmd('expect-open TipsFrm')
                self.answer_dialogs()
                s = self.refresh()
                flag = self.FIELDS[nxt]
                r.cmd('expect MapEventFlags[%d] = %d' % (flag, s['MapEventFlags'][flag]))
                self.log('  ', out, 'army left', s['ArmyCampSoldiers'][k - 1], s['CampComposition'][k - 1])
                return
            r.cmd('click Camp1Frm.WalkTo%d' % nxt)
            r.cmd('wait 3000')

    ATTACK_SIZE = 1300


HEADER = '''#@ run-options: --spawn
# Level 15 won by playing it at difficulty %(d)d, from the title's New Campaign, with only
# what a player gives: clicks, keys, typed numbers and answers to the turn's questions.
# Battles are fought by the battle program (the in-game option to calculate them).
%(plan)s
# Written by tools/played_win.py (which plays the level through the runner and records
# what it did); the objectives were all met at turn %(turn)d.
'''

if __name__ == '__main__':
    tool, game, d = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]), int(sys.argv[3])
    out = sys.argv[4] if len(sys.argv) > 4 else None
    r = Runner(tool, game)
    if d == 3:
        from played_win_hard import HardPlayer as Player
    p = Player(r, d)
    turns = p.play(int(os.environ.get('MAX_TURNS', '200')))
    print('won at turn', turns)
    if out:
        with open(out, 'w') as f:
            f.write(HEADER % {'d': d, 'turn': turns, 'plan': p.PLAN})
            f.write('\n'.join(r.script) + '\n')
