// SPDX-License-Identifier: AGPL-3.0-or-later
// The readings of the North Node, Lilith, Chiron and the angles in aspect to the ten bodies,
// and of the aspect patterns. Natal readings: lasting tendencies, written once per family of
// aspects (conjunction; sextile and trine; square, opposition, semi-sextile and quincunx), so
// each is true under every aspect of its family. The North Node's readings serve the true and
// the mean node alike.
#include "core/texts/PointReadings.h"

namespace zodrivel {

namespace {

const KeyedReading PointTable[] = {
    {PointId::NorthNode, PointId::Sun, ReadingFamily::Conjunction,
     "Your sense of purpose and your North Node pull in one direction, so becoming more fully "
     "yourself is the road ahead. Growth tends to come when you step forward and let yourself be "
     "seen: the hand raised in the meeting, the plan signed with your own name. The familiar pull "
     "is to stay in a supporting role that once felt safe. Choosing visibility, even while it "
     "feels exposed, is where your life opens out."},
    {PointId::NorthNode, PointId::Sun, ReadingFamily::Easy,
     "Your will and your North Node work in the same cause, so when you act from conviction you "
     "tend to be moving where your life wants to go. Chances to lead or create come without much "
     "pushing. The ease has a shadow: you may coast on old strengths, repeating the performance "
     "that earned praise years ago. Taking on one fresh challenge that makes you nervous keeps "
     "the road ahead in view."},
    {PointId::NorthNode, PointId::Sun, ReadingFamily::Hard,
     "Your will and your North Node work at cross purposes: the praise you want and the growth "
     "you need lie in different places. You may chase recognition in a role you have outgrown, or "
     "resent the people who hold the spotlight your path asks you to earn. Pride keeps steering "
     "you back down the road behind you. Letting it follow the new direction, clumsy at first, "
     "builds a self you can stand behind."},
    {PointId::NorthNode, PointId::Moon, ReadingFamily::Conjunction,
     "Your feelings and your North Node speak with one voice, so the way forward runs through "
     "home, care and belonging. You may grow most through the people you nurture and the rooms "
     "you make safe. The trap is clinging to comfort you know, the same chair and the same Sunday "
     "rituals, long after they stop feeding you. Treating your moods as signposts rather than "
     "walls keeps you moving."},
    {PointId::NorthNode, PointId::Moon, ReadingFamily::Easy,
     "Your instincts tend to point the way your North Node asks you to grow, so a gut feeling "
     "about a move, a friendship or a home is often worth following. Family ties and old friends "
     "can help carry you forward. Because comfort comes readily, you may settle into a cosy "
     "routine and mistake it for the destination. Asking each year whether a routine still "
     "nourishes you keeps your instincts pointed forward rather than back."},
    {PointId::NorthNode, PointId::Moon, ReadingFamily::Hard,
     "Your need for safety and your North Node keep tugging against each other: the road ahead "
     "asks for change just when you want your own kitchen and your own people. You may feel torn "
     "between family claims and a life of your own, or fall back on moods that kept you safe as a "
     "child. Each time you choose growth while still tending your feelings, you build a security "
     "that travels with you."},
    {PointId::NorthNode, PointId::Mercury, ReadingFamily::Conjunction,
     "Your Mercury lends its voice to your North Node, so learning, talking, writing and asking "
     "questions are your way forward. A course, a notebook or a conversation with a stranger on a "
     "train may change your direction more than any grand plan. Its weak spot is restless "
     "fact-collecting, or repeating views picked up long ago without testing them. Saying what "
     "you actually think, and learning from the replies, keeps the path open."},
    {PointId::NorthNode, PointId::Mercury, ReadingFamily::Easy,
     "Ideas, conversations and useful skills tend to carry you toward your North Node, and the "
     "right book or contact often turns up when you need it. You pick up what your path asks for "
     "without much strain. The risk is that a quick mind settles for clever talk about growth "
     "instead of the work of it. A list of what you mean to learn, with a date beside each line, "
     "carries you further than any clever conversation."},
    {PointId::NorthNode, PointId::Mercury, ReadingFamily::Hard,
     "Your habits of thought and your North Node do not quite speak the same language, so you may "
     "argue for views that keep you where you are. Other people tend to poke holes in your "
     "reasoning just where change is due, and an old mental script replays whenever a new idea "
     "asks for room. Hearing a challenge as information rather than attack gives you a mind that "
     "grows with you."},
    {PointId::NorthNode, PointId::Venus, ReadingFamily::Conjunction,
     "What you love and value is fused with your North Node, so relationships, beauty and the "
     "things you cherish shape where your life goes. You may grow most through partnership, art, "
     "or finding out what you truly want. The pitfall is drifting toward whatever is pleasant, or "
     "pleasing others to keep the evening calm. Choosing what you value over what merely flatters "
     "you keeps love pointed where you are growing."},
    {PointId::NorthNode, PointId::Venus, ReadingFamily::Easy,
     "Affection, taste and a knack for getting on with people tend to open doors in the direction "
     "of your North Node. Friends and partners may nudge you toward growth, and the pleasant "
     "choice and the right one often overlap. The cost is that charm can carry you past lessons "
     "you would rather skip. Letting a relationship challenge you, and not only comfort you, "
     "makes the most of this ease."},
    {PointId::NorthNode, PointId::Venus, ReadingFamily::Hard,
     "What pleases you and what would make you grow keep pulling apart: the partner, the comfort "
     "or the style you reach for may belong to the road behind you. You may find yourself drawn "
     "to people who repeat an old pattern, or giving in to keep things sweet. Learning what you "
     "value now, not what you were taught to want, lets your love travel in the direction of your "
     "North Node."},
    {PointId::NorthNode, PointId::Mars, ReadingFamily::Conjunction,
     "Your drive and your North Node run on one current, so courage, initiative and honest effort "
     "are how you move forward. You may grow by starting things, defending what matters and "
     "taking the risk others talk themselves out of. The shadow is impatience: charging ahead, or "
     "picking a fight when the way forward asks for aim rather than force. Spending your fire on "
     "the goal that stretches you, rather than on the nearest quarrel, is where your courage "
     "pays."},
    {PointId::NorthNode, PointId::Mars, ReadingFamily::Easy,
     "Energy comes readily when you move toward your North Node, and you tend to have the nerve "
     "to take the next step when it appears. Sport, work or a cause can put your drive in line "
     "with your path. Its pitfall is busyness: a full diary of action that does not stop to ask "
     "where it leads. Your nerve does most for you when it goes into one aim that frightens you a "
     "little."},
    {PointId::NorthNode, PointId::Mars, ReadingFamily::Hard,
     "Your drive and your North Node tend to cross each other, so effort can go into battles that "
     "belong to your past. You may clash with people who block the way, or run on an old reflex "
     "of fighting first and asking later. At other times the anger turns back on you as "
     "frustration with your own progress. Learning when to push and when to wait gives you a "
     "courage that serves where you are going."},
    {PointId::NorthNode, PointId::Jupiter, ReadingFamily::Conjunction,
     "Your Jupiter throws its weight behind your North Node, so travel, study, teaching and wider "
     "horizons are the way forward. You may feel lifted by a sense that life has more to show you "
     "than your upbringing suggested. The danger is overreach: big promises, too many plans, a "
     "belief that more must be better. Grounding your hopes in a few real steps keeps this "
     "generous outlook on course."},
    {PointId::NorthNode, PointId::Jupiter, ReadingFamily::Easy,
     "Optimism and good timing tend to help you along your North Node's road, and teachers, "
     "mentors or chances to travel may appear when you need them. You grow by saying yes to what "
     "widens your world. The risk is taking luck for granted and waiting for the next opening "
     "instead of making one. Committing to a course of study or a journey of your own choosing "
     "gives the luck somewhere to take you."},
    {PointId::NorthNode, PointId::Jupiter, ReadingFamily::Hard,
     "Your hopes and your North Node point different ways: a plan, a creed or a charismatic "
     "teacher may keep you on old territory while promising new. Others may lecture you, or you "
     "them, when the real question is where you are heading. Wanting more can stand in for "
     "growing. Testing each big belief against an ordinary week leaves you with a wisdom that is "
     "your own."},
    {PointId::NorthNode, PointId::Saturn, ReadingFamily::Conjunction,
     "Your sense of duty and your North Node are fused, so your path asks for patience, structure "
     "and responsibility taken on by choice. Growth tends to come slowly, through work that takes "
     "years to show. The shadow is heaviness: fear of failing can make you cling to safe rules "
     "and postpone the first step. Accepting a long apprenticeship, without waiting to be "
     "perfect, lets this discipline build a life that lasts."},
    {PointId::NorthNode, PointId::Saturn, ReadingFamily::Easy,
     "Discipline and patience tend to serve your North Node, so the plan you stick to and the "
     "skill you practise daily carry you where you want to go. Older people, institutions or "
     "mentors may offer steady support. Where it falters is in playing safe for too long, "
     "choosing the sensible road because it is sensible. Your reliability serves you best when it "
     "carries one ambition you would be sorry never to have tried."},
    {PointId::NorthNode, PointId::Saturn, ReadingFamily::Hard,
     "Duty and your North Node pull against each other: obligations, rules or fear of judgement "
     "can hold you on familiar ground. You may feel blocked by authorities, or hear an inner "
     "examiner insisting you are not ready yet. Delay can become a habit dressed up as prudence. "
     "Each step taken despite the doubt builds a self-respect that no one else can grant."},
    {PointId::NorthNode, PointId::Uranus, ReadingFamily::Conjunction,
     "Your North Node is charged with your Uranus's urge to be free and different, so your path "
     "runs through change, invention and breaking with the expected. You may grow through sudden "
     "turns: a move abroad, a new field, a friendship that shakes your views. Pushed too far, it "
     "can turn to rebellion for its own sake, leaving before anything has a chance to root. One "
     "lasting commitment, a person, a place or a craft, gives all that change something to grow "
     "around."},
    {PointId::NorthNode, PointId::Uranus, ReadingFamily::Easy,
     "Openings for change tend to arrive at the right moment, and you grow toward your North Node "
     "by trying what no one in your family or circle has tried. Friends, groups and new tools can "
     "help you along. The risk is collecting novelties without letting any of them change you. "
     "One unconventional path, followed long enough to change you, outweighs a dozen tried for a "
     "season."},
    {PointId::NorthNode, PointId::Uranus, ReadingFamily::Hard,
     "Your North Node and your need for freedom tend to clash, so sudden upheavals can throw you "
     "off course or back onto old ground. You may be drawn to people who upend your plans, or "
     "catch yourself breaking things just as they start to work. Starting over can become a "
     "substitute for progress. Choosing change deliberately, not by explosion, makes for a "
     "freedom you can actually live in."},
    {PointId::NorthNode, PointId::Neptune, ReadingFamily::Conjunction,
     "Your North Node is steeped in your Neptune's imagination, compassion and longing for "
     "something beyond the everyday. You may grow through art, music, service or a spiritual "
     "search. The shadow is drifting: waiting for a sign, losing your outline in other people's "
     "needs, or choosing the dream over the next practical step. Giving your ideals a form, a "
     "practice or a timetable keeps the search from dissolving into waiting."},
    {PointId::NorthNode, PointId::Neptune, ReadingFamily::Easy,
     "Intuition and sympathy tend to guide you toward your North Node, and you may sense the next "
     "step before you can explain it. Creative or caring work can carry you forward gently. The "
     "price can be vagueness, letting the years happen to you instead of choosing them. Writing "
     "your hunches down and acting on the ones that hold up gives your quiet inner voice a record "
     "you can trust."},
    {PointId::NorthNode, PointId::Neptune, ReadingFamily::Hard,
     "Your North Node and your longing for escape tend to tangle, so confusion, wishful thinking "
     "or other people's illusions can lead you astray. You may trust the wrong person, or slip "
     "back into a comforting fantasy whenever the path asks for effort. This strain teaches "
     "discernment: checking facts, naming what you want and keeping faith with ideals you can "
     "test build a clearer road."},
    {PointId::NorthNode, PointId::Pluto, ReadingFamily::Conjunction,
     "Your North Node is fused with the urge to go deep, so your path runs through intensity, "
     "crisis and renewal. You may grow by facing what others avoid: power, secrets, the end of "
     "arrangements that no longer serve. Its darker side is control, holding too tightly to "
     "people or plans. Letting go of what has run its course, and trusting what grows back, is "
     "the renewal your path keeps asking for."},
    {PointId::NorthNode, PointId::Pluto, ReadingFamily::Easy,
     "Depth and resilience tend to support your North Node, so hard experiences can become the "
     "source of real strength. You may have a gift for research, for rebuilding trust, or for "
     "steering others through change. The risk is relying on intensity and finding ordinary "
     "progress dull. Your capacity for renewal does its best work on patient, everyday goals: the "
     "friendship rebuilt over years, the skill relearned from scratch."},
    {PointId::NorthNode, PointId::Pluto, ReadingFamily::Hard,
     "Your North Node and your need for control tend to wrestle, so power struggles and old fears "
     "can keep you on familiar ground. You may cross paths with people who try to dominate you, "
     "or find yourself gripping a situation long after it has changed. A wish to be safe from "
     "every loss can block each new step. Letting go by choice, a little at a time, earns a "
     "strength that needs no grip."},
    {PointId::Lilith, PointId::Sun, ReadingFamily::Conjunction,
     "Your sense of self is fused with your Lilith, the untamed and exiled part of you, so you "
     "tend to stand out by declining what is expected. You may have been told you were too much, "
     "and decided to be it anyway. The trouble comes with defiance as a reflex, pushing people "
     "away before they can judge you. Owned without the need to prove it, this wildness can carry "
     "a quiet, magnetic authority."},
    {PointId::Lilith, PointId::Sun, ReadingFamily::Easy,
     "Your will draws readily on Lilith's untamed streak, so you can say no, break a silly rule "
     "or stand alone without much agony. People sense an independence in you that cannot be "
     "bargained away. The trap is coasting on that edge until rebellion is only a pose, the black "
     "jacket with nothing behind it. Saved for something you truly care about, your no carries "
     "real weight."},
    {PointId::Lilith, PointId::Sun, ReadingFamily::Hard,
     "Your wish to shine and your Lilith, the self that was once sent out of the room, pull "
     "against each other, so pride and exile take turns. People may try to put you in your place, "
     "or being yourself may feel as if it costs you acceptance. Part of you shrinks to be liked, "
     "then rages at the shrinking. Standing by what you are, neither hidden nor flaunted, builds "
     "a self no one can talk you out of."},
    {PointId::Lilith, PointId::Moon, ReadingFamily::Conjunction,
     "Your Moon and your Lilith feel as one, so your needs can be fierce and refuse to be "
     "dismissed. You may have learned early that some emotions were not welcome at the table, and "
     "felt them all the more strongly for it. The hard part is a swing between swallowing a need "
     "and letting it burst out. Needs given a name and a place, without apology, stop ambushing "
     "you and start to guide you."},
    {PointId::Lilith, PointId::Moon, ReadingFamily::Easy,
     "You tend to trust your instincts even when they are unwelcome, and to care for others "
     "without trying to tame them: your Lilith and your Moon keep easy company. Emotional honesty "
     "comes readily, including the feelings polite company hides. The catch is using that "
     "frankness to keep people at a distance. Letting others see your soft needs as well as your "
     "fierce ones invites them closer."},
    {PointId::Lilith, PointId::Moon, ReadingFamily::Hard,
     "Your need for comfort and your Lilith, which will not be domesticated, keep pulling apart, "
     "so home can feel like a cage and freedom like exile. You may rebel against people who "
     "expect you to nurture on their terms, or feel ashamed of needs that look too big. Wanting "
     "closeness and then bolting from it can become a pattern. A home with a wild corner in it "
     "builds a belonging that fits."},
    {PointId::Lilith, PointId::Mercury, ReadingFamily::Conjunction,
     "Your Mercury speaks with your Lilith's refusal to be silenced, so you tend to say what "
     "others keep back. You may have a gift for naming the taboo, the unfair or the hypocritical "
     "in a room that would rather stay polite. The shadow is sharpness for its own sake, speaking "
     "to shock rather than to be heard. Aimed at what truly matters, your candour carries a rare "
     "and useful bite."},
    {PointId::Lilith, PointId::Mercury, ReadingFamily::Easy,
     "You can put unspoken things into words with ease, so difficult truths come out clearly "
     "rather than cruelly; your Lilith lends your Mercury nerve. Writing, debate or frank "
     "conversation may be where your independence shows best. The temptation is holding back "
     "because it is simpler, keeping your boldest thoughts for a diary no one reads. Saying them "
     "aloud, at the right moment, lets your mind do its real work."},
    {PointId::Lilith, PointId::Mercury, ReadingFamily::Hard,
     "Your way of speaking and your Lilith, the voice once told to hush, rub against each other, "
     "so you may bite your tongue and then say far too much. Others may wave your ideas away, or "
     "you may provoke them just to test whether anyone is listening. The comeback you should have "
     "made can play in your head for days. Learning to speak plainly the first time gives you a "
     "voice that need not shout."},
    {PointId::Lilith, PointId::Venus, ReadingFamily::Conjunction,
     "Your way of loving is shot through with your Lilith, so desire and independence are bound "
     "up in you. You may be drawn to what others call unsuitable, and attract partners who sense "
     "your edge. The knot is wanting to be desired while resenting any claim on you. Loving on "
     "your own terms, and telling partners plainly what those terms are, keeps this magnetism "
     "honest."},
    {PointId::Lilith, PointId::Venus, ReadingFamily::Easy,
     "Desire and self-respect keep good company in you, so you can enjoy pleasure without shame "
     "and set limits without fuss; your Lilith gives your Venus a spine. People may find you "
     "alluring precisely because you do not try to please. Taken for granted, that ease can drift "
     "into ties that ask nothing of you. Choosing relationships that welcome your whole self, "
     "edges included, keeps desire and respect in the same room."},
    {PointId::Lilith, PointId::Venus, ReadingFamily::Hard,
     "What you desire and your Lilith, the part of you that no one gets to own, pull against each "
     "other, so attraction can come with a fight for freedom. You may draw partners who try to "
     "possess you, or push away anyone who gets close enough to matter. The forbidden can hold "
     "more charm than the available. Naming what you want without shame makes a love with room "
     "for your wildness."},
    {PointId::Lilith, PointId::Mars, ReadingFamily::Conjunction,
     "Your Mars and your Lilith burn as one flame, so anger and desire come out strong and "
     "unapologetic. You may refuse to back down when pushed, and fight hardest against being "
     "controlled or talked down to. The shadow is a temper that flares out of proportion to the "
     "moment, the door slammed over a remark. Channelled into a cause, a craft or a sport, this "
     "fierce energy gives you staying power others lack."},
    {PointId::Lilith, PointId::Mars, ReadingFamily::Easy,
     "Courage and a refusal to be pushed around come naturally to you, so you can defend yourself "
     "or others without freezing; your Lilith feeds your Mars. Your energy has a raw directness "
     "people notice. Relying on that nerve can leave the art of bargaining unlearned. Pointing "
     "your fire at what truly needs changing, and choosing your fights, earns you allies as well "
     "as respect."},
    {PointId::Lilith, PointId::Mars, ReadingFamily::Hard,
     "Your drive and your Lilith, the part of you that does not submit, keep grating on each "
     "other, so anger may be held in until it bursts. You may bristle at anyone who tries to "
     "dominate you, or take up fights that are not yours. An old insult can replay for weeks, "
     "sharpening each time. Finding a clean outlet for that heat, in work or a demanding craft, "
     "gives you a force you can direct."},
    {PointId::Lilith, PointId::Jupiter, ReadingFamily::Conjunction,
     "Your Jupiter takes up your Lilith's refusal of borrowed rules, so you tend to build beliefs "
     "of your own. You may question religion, authority or custom out loud, and find wisdom in "
     "what others call heresy. The irony to watch for is a rebellion that hardens into a creed as "
     "rigid as the one you left. A belief you are still willing to revise after a hard year is "
     "one that stays your own."},
    {PointId::Lilith, PointId::Jupiter, ReadingFamily::Easy,
     "Your search for meaning sits comfortably with your Lilith's untamed streak, so you can "
     "explore unconventional ideas without losing your footing. Travel, study or teaching may "
     "give your rebel side a generous outlet. The risk is praising freedom in theory while living "
     "a cautious life. Acting on the values you speak of, in the choices of an ordinary week, "
     "gives them substance."},
    {PointId::Lilith, PointId::Jupiter, ReadingFamily::Hard,
     "Your hopes and your Lilith, which bows to no one, keep arguing, so you may swing between "
     "grand faith and angry disbelief. Teachers, institutions and anyone who claims the last word "
     "can provoke you. When you feel hemmed in, an urge to overdo everything can flare. Shaping a "
     "philosophy with room for what was refused builds a wisdom with both feet on the ground."},
    {PointId::Lilith, PointId::Saturn, ReadingFamily::Conjunction,
     "Your Saturn and your Lilith are bound up in each other, so rules and rebellion live close "
     "together in you. You may have faced strict limits early and learned to endure them on your "
     "own terms. The shadow is a hard shell that keeps feeling out and people at arm's length. "
     "Building structures that serve your independence, rather than tame it, gives you an "
     "authority that is truly earned."},
    {PointId::Lilith, PointId::Saturn, ReadingFamily::Easy,
     "Discipline and independence help each other along in you, so you can hold your ground "
     "steadily without making a scene; your Saturn gives your Lilith patience. You may be good at "
     "working within a system while keeping your own counsel. The price is quiet endurance that "
     "lets a wrong go unchallenged. Using that patience to change what needs changing, not only "
     "to outlast it, is where your quiet stubbornness pays."},
    {PointId::Lilith, PointId::Saturn, ReadingFamily::Hard,
     "Authority and your Lilith, the self no one gets to shame, keep colliding, so rules, bosses "
     "or an inner judge can weigh on you. You may have been punished or belittled for being "
     "yourself, and still brace for it in every appraisal. Months of careful restraint can end in "
     "one sharp act of defiance. Each honest boundary you set builds a dignity that does not wait "
     "for permission."},
    {PointId::Lilith, PointId::Uranus, ReadingFamily::Conjunction,
     "Your Uranus doubles your Lilith's urge for freedom, so you tend to be an outsider by "
     "temperament. You may break taboos, leave situations suddenly and refuse any box others "
     "build for you. What it costs is a restlessness that cannot settle even where you are "
     "welcome. Your difference finds its use when it is joined to a purpose, or to people who "
     "share it."},
    {PointId::Lilith, PointId::Uranus, ReadingFamily::Easy,
     "Independence and originality come readily to you, and you can step outside convention with "
     "little guilt; your Uranus and your Lilith egg each other on. You may feel at home among "
     "misfits, inventors and people who live differently. Freedom that comes this readily can go "
     "unused. Lending your nerve to changes others need, not only to your own escapes, is where "
     "your freedom starts to count for others too."},
    {PointId::Lilith, PointId::Uranus, ReadingFamily::Hard,
     "Your urge for freedom and your Lilith, the part that slips every leash, spark off each "
     "other, so rebellion can arrive in bursts. You may chafe against people who want you "
     "predictable, or cut ties before anyone can bind you. The bags packed at the first hint of "
     "routine are a familiar sight. Choosing which freedoms matter, and defending those, makes "
     "your independence last."},
    {PointId::Lilith, PointId::Neptune, ReadingFamily::Conjunction,
     "Your imagination is fused with your Lilith, so you may be drawn to what is hidden, "
     "forbidden or mysterious. Dreams, art and longing can give voice to what you were told to "
     "keep quiet. The shadow is escaping into fantasy, or casting yourself as the misunderstood "
     "one. Giving your visions form, in a song, a story or caring work, lets this depth reach "
     "other people."},
    {PointId::Lilith, PointId::Neptune, ReadingFamily::Easy,
     "Intuition and an unashamed inner life feed each other in you, so you sense what others "
     "repress and can speak to it gently. Art, music or a spiritual practice may come easily, "
     "with your Lilith adding a dark, honest note. The pull is toward private worlds that leave "
     "the daily task undone. Sharing what you perceive, in a song, a poem or a late conversation, "
     "lets others borrow the courage of your inner life."},
    {PointId::Lilith, PointId::Neptune, ReadingFamily::Hard,
     "Your longings and your Lilith, the want you were taught to hide, tend to blur, so you may "
     "carry a vague guilt about desires you cannot name. Others may pin their fantasies on you, "
     "or you on them. Hiding what you want and then resenting its absence can run quietly for "
     "years. Putting those longings into plain words yields a clarity that frees both sides of "
     "you."},
    {PointId::Lilith, PointId::Pluto, ReadingFamily::Conjunction,
     "Your Pluto lends its depths to your Lilith, so you tend to feel things with great force and "
     "to keep much of it hidden. You may be drawn to power, secrets and the parts of life others "
     "avoid looking at. At its worst it is a wish for control that shows as coldness or "
     "score-settling. What you have buried loosens its hold once you face it honestly and without "
     "shame, and the force it took to hide is yours to spend."},
    {PointId::Lilith, PointId::Pluto, ReadingFamily::Easy,
     "Depth and defiance make a sturdy pair in you, so you can face crises and taboos without "
     "flinching; your Pluto gives your Lilith a steady nerve. People may trust you with what they "
     "tell no one else. Held too long in reserve, that power goes to waste. Situations that need "
     "a fearless witness are where that strength belongs."},
    {PointId::Lilith, PointId::Pluto, ReadingFamily::Hard,
     "Your hunger for control and your Lilith, the part of you that will not kneel, keep "
     "wrestling, so power struggles may mark your closest ties. You may draw people who try to "
     "dominate you, or test them to see who yields first. A humiliation can be brooded over long "
     "after everyone else has forgotten it. Letting go of the need to win leaves you a strength "
     "no one can take."},
    {PointId::Chiron, PointId::Sun, ReadingFamily::Conjunction,
     "Your sense of self is fused with Chiron's old hurt, so being seen and feeling not quite "
     "enough may go hand in hand. You may doubt your right to shine, or push hard to prove you "
     "belong in the room. The same sore place gives you a gift for helping others find their "
     "confidence. When you tell your story rather than hide it, your purpose and your tenderness "
     "grow into one."},
    {PointId::Chiron, PointId::Sun, ReadingFamily::Easy,
     "Your will and your Chiron keep easy company, so you can turn past difficulty into useful "
     "understanding without much drama. You may encourage others naturally, especially the "
     "newcomer who doubts they belong. What it can miss is your own hurt, treated as settled when "
     "it still asks for care. Giving yourself the patience you give others means your own story "
     "gets a hearing too."},
    {PointId::Chiron, PointId::Sun, ReadingFamily::Hard,
     "Your wish to shine and your Chiron catch on each other, so a bruise to your pride can feel "
     "larger than it is. People may belittle you, or you may belittle yourself before they get "
     "the chance. Proving your worth on Monday and doubting it by Friday can become a rhythm. "
     "Each time you act without waiting for approval, you build a confidence that can help others "
     "find theirs."},
    {PointId::Chiron, PointId::Moon, ReadingFamily::Conjunction,
     "Your Moon carries Chiron's ache, so care, home and being looked after can be tender ground. "
     "You may have felt unseen in your needs and learned to look after everyone else instead. Out "
     "of it comes a gift for comforting people in distress, and friends may ring late at night "
     "knowing you answer. Letting someone tend you in return keeps this kindness from running "
     "dry."},
    {PointId::Chiron, PointId::Moon, ReadingFamily::Easy,
     "Your Moon has made peace with your Chiron's ache, so you tend to know how to soothe others "
     "without being told. People may bring you their worries because you listen without judging. "
     "The shadow is caring for everyone while your own needs wait in the hall. Making room for "
     "your feelings as well as theirs keeps the listener from vanishing behind the listening."},
    {PointId::Chiron, PointId::Moon, ReadingFamily::Hard,
     "Your need for comfort and your Chiron rub against each other, so closeness can stir a hurt "
     "you thought was past. You may draw people who lean on you heavily, or feel that no one "
     "quite understands what you need. Expecting disappointment can shape how you ask for care, "
     "or whether you ask at all. Learning to nurture yourself first builds a tenderness you can "
     "offer without cost."},
    {PointId::Chiron, PointId::Mercury, ReadingFamily::Conjunction,
     "Chiron's sore place sits in your Mercury, so learning, speaking or being understood may "
     "once have felt hard. You may have been called slow or odd, or simply talked over at the "
     "dinner table. That early struggle is what makes you good at explaining things to those who "
     "find them hard. Trusting your own way of thinking, and teaching it to others, is where the "
     "old embarrassment quietly stops mattering."},
    {PointId::Chiron, PointId::Mercury, ReadingFamily::Easy,
     "Your Mercury and your Chiron understand each other, so you can find words for pain that "
     "others cannot name. You may be a natural teacher, writer or listener for people who feel "
     "misunderstood. It is easy to explain everyone else's hurts and leave your own unspoken. "
     "Your words reach furthest when they include your own experience, not only other people's."},
    {PointId::Chiron, PointId::Mercury, ReadingFamily::Hard,
     "Your way of thinking and your Chiron grate on each other, so fear of sounding foolish can "
     "stop your words halfway. Others may dismiss your ideas, or you may dismiss them first. What "
     "you said, and how it might have landed, can be replayed long into the evening. Speaking "
     "anyway, plainly and without apology, gives you a voice others can borrow until they find "
     "their own."},
    {PointId::Chiron, PointId::Venus, ReadingFamily::Conjunction,
     "Chiron's wound runs through your Venus, so worth, beauty and affection may be tender "
     "subjects. You may doubt that you are lovable, or give too much to be sure of being kept. "
     "The same wound lets you see the beauty in people who feel unloved. Learning to receive as "
     "well as give lets this sensitivity warm your relationships."},
    {PointId::Chiron, PointId::Venus, ReadingFamily::Easy,
     "Affection softens your Chiron's sore place, so you can love people without needing them to "
     "be perfect. Friends may find comfort in your acceptance and your eye for what is lovely in "
     "them. The risk is settling for less because you understand so well why others fall short. "
     "Asking out loud for the care you offer keeps your acceptance from becoming a bargain in "
     "which you ask for nothing."},
    {PointId::Chiron, PointId::Venus, ReadingFamily::Hard,
     "What you love and your Chiron catch on each other, so rejection can cut deep and praise can "
     "be hard to believe. You may draw partners who hurt you in a familiar way, or hold back for "
     "fear of it. Counting the replies to a message as a measure of your worth can become a "
     "habit. Valuing yourself first makes for ties that need not be earned again each week."},
    {PointId::Chiron, PointId::Mars, ReadingFamily::Conjunction,
     "Your Mars and Chiron's bruise are knotted together, so asserting yourself or showing anger "
     "may once have been risky. You may fight hard for others while hesitating to fight for "
     "yourself. Having known powerlessness, you can teach courage to people who feel it now. Once "
     "you allow yourself anger and use it cleanly, the fight for others no longer has to stand in "
     "for your own."},
    {PointId::Chiron, PointId::Mars, ReadingFamily::Easy,
     "Courage comes readily to your Chiron's aid, so you can act on behalf of the vulnerable "
     "without flinching. You may be good at coaching, protecting or spurring others to try again. "
     "Your own battles can go unfought while you wage everyone else's. Keeping some of that "
     "energy for your own goals puts your name on the list of people you protect."},
    {PointId::Chiron, PointId::Mars, ReadingFamily::Hard,
     "Your drive and your Chiron collide, so effort can stall just when it matters or flare at "
     "the wrong target. People may provoke that sore spot, or your strength may feel not quite "
     "enough for the task. Pushing too hard and then giving up can become a cycle. Learning to "
     "pace your effort gives you a courage you can lend to others who struggle to act."},
    {PointId::Chiron, PointId::Jupiter, ReadingFamily::Conjunction,
     "Chiron's tender spot colours your Jupiter, so faith, learning or a sense of larger purpose "
     "may have been tested early. You may find wisdom in your own difficulties and want to pass "
     "it on. The pitfall is offering answers too readily, or hoping one grand belief can mend "
     "every ache. Letting your teaching come from lived experience, not a borrowed creed, is what "
     "makes people listen."},
    {PointId::Chiron, PointId::Jupiter, ReadingFamily::Easy,
     "Your Jupiter lends hope to your Chiron, so you can help people find meaning in hard times. "
     "You may teach, counsel or simply lift spirits without much effort, the friend people call "
     "after bad news. The shadow is a breezy optimism that skips over real pain. Staying with "
     "difficulty long enough to understand it gives your encouragement weight."},
    {PointId::Chiron, PointId::Jupiter, ReadingFamily::Hard,
     "Your hopes and your Chiron pull against each other, so faith can waver just when you need "
     "it. Teachers may disappoint you, or you may promise more help than you can give. The search "
     "for the one answer that would make it all right can start again with each new book. "
     "Accepting partial answers builds a wisdom others can trust."},
    {PointId::Chiron, PointId::Saturn, ReadingFamily::Conjunction,
     "Your sense of duty is fused with Chiron's scar, so authority, failure or a harsh standard "
     "may have left a mark. You may work twice as hard to feel half as safe. The contact is "
     "shared by many people born in the same stretch of time; the houses it occupies and the "
     "personal planets it touches make it yours. The same wound makes you a patient guide for "
     "anyone struggling with limits."},
    {PointId::Chiron, PointId::Saturn, ReadingFamily::Easy,
     "Your Saturn gives your Chiron patience, so you can turn hardship into steady, useful skill. "
     "You may be good at helping a friend rebuild a routine after a setback, one ordinary morning "
     "at a time. Many born around the same time share this, and your houses show where it is "
     "yours. The shadow is enduring too much in silence because you know how; resting when the "
     "work is done keeps your endurance humane."},
    {PointId::Chiron, PointId::Saturn, ReadingFamily::Hard,
     "Your sense of duty and your Chiron press on each other, so criticism or failure can land "
     "heavily. Authorities may echo your worst fears about yourself, or you may set standards no "
     "one could reach. Shared by many born around the same time, it becomes personal through your "
     "houses and personal planets. Each fair limit you keep builds a maturity that can steady "
     "others."},
    {PointId::Chiron, PointId::Uranus, ReadingFamily::Conjunction,
     "Chiron's old hurt is bound up with your Uranus's urge to be different, so feeling like an "
     "outsider may be part of your story. You may have been the odd one out and learned to make "
     "something of it. Your whole age group carries some of this, and it becomes personal through "
     "the houses it falls in and the personal planets it reaches. Your gift is helping others "
     "accept their own strangeness."},
    {PointId::Chiron, PointId::Uranus, ReadingFamily::Easy,
     "Your Chiron and your Uranus spur each other on, so you can find unusual remedies for old "
     "problems. You may help people who do not fit by showing them a side door no one else "
     "noticed. Many born in the same years share this contact, and your houses show where it is "
     "yours. The blind spot is solving other people's pain while staying detached from your own; "
     "letting the insight reach you as well completes it."},
    {PointId::Chiron, PointId::Uranus, ReadingFamily::Hard,
     "Your Chiron and your urge to be free jolt each other, so sudden changes can reopen an old "
     "sore. You may walk away from help just as it arrives, or find that breaking free hurts more "
     "than you expected. Many people born in the same years share this, and it becomes personal "
     "where it falls in your chart. Staying with change long enough to grow through it gives you "
     "an unusual resilience."},
    {PointId::Chiron, PointId::Neptune, ReadingFamily::Conjunction,
     "Your Chiron is steeped in your Neptune's compassion and longing, so you may feel others' "
     "pain almost as your own. Many born around the same time share this contact; your houses and "
     "personal planets show where it is personally yours. The shadow is losing yourself in "
     "sacrifice or escape. Art, music or quiet service can give this sensitivity a form that "
     "helps."},
    {PointId::Chiron, PointId::Neptune, ReadingFamily::Easy,
     "Your Neptune lends your Chiron imagination, so you can soothe others with art, kindness or "
     "simply your presence. Many people born in the same years share this gift; your houses show "
     "where it lives. The trap is hoping hurt dissolves by itself if left alone. Compassion given "
     "a practical shape, a rota, a skill, a regular visit, reaches further than sympathy alone."},
    {PointId::Chiron, PointId::Neptune, ReadingFamily::Hard,
     "Your Chiron and your longing for something perfect tend to blur, so disappointment can "
     "become a familiar ache. You may trust people who cannot help, or give until there is little "
     "of you left. Many born in the same years share this contact, and it becomes personal "
     "through your houses and personal planets. Clear boundaries build a compassion that does not "
     "cost you yourself."},
    {PointId::Chiron, PointId::Pluto, ReadingFamily::Conjunction,
     "Your Chiron and your Pluto act as one, so pain may have come wrapped in upheaval. Many of "
     "your contemporaries share it; your houses, and any personal planet it touches, say where it "
     "is yours. You may have a gift for staying beside others through their hardest stretches of "
     "change. Letting go of what you no longer need to carry deepens that gift."},
    {PointId::Chiron, PointId::Pluto, ReadingFamily::Easy,
     "Your Chiron and your Pluto lend each other depth, so you can face hard truths and help "
     "others face them. Many people born in the same years share this contact, and the houses it "
     "touches in your chart show where it is personal. The cost can be taking on others' burdens "
     "as a matter of course. Choosing which weight to carry, and setting down the rest, is how "
     "you stay strong enough for the next hard stretch."},
    {PointId::Chiron, PointId::Pluto, ReadingFamily::Hard,
     "Your Chiron and the pull toward control keep wrestling, so pain may feel bound up with who "
     "holds the upper hand. Forceful people may press on your sore spot, or you may keep a hurt "
     "close as armour. Many born in the same years share this contact; your houses and personal "
     "planets make it your own. Loosening the grip a little at a time leaves room for a deeper "
     "resilience."},
    {PointId::Ascendant, PointId::Sun, ReadingFamily::Conjunction,
     "Your Sun shines straight through your Ascendant, so who you are shows plainly in how you "
     "come across, and people tend to know you at first glance. You walk into a room as yourself, "
     "warm, confident or at least unmistakable. The shadow is having nowhere to hide: a bad day "
     "shows as clearly as a good one, and a cool reception can feel personal. Letting your "
     "presence be generous, not only visible, makes room for others in the light."},
    {PointId::Ascendant, PointId::Sun, ReadingFamily::Easy,
     "Your purpose shows easily through your Ascendant, so you tend to make a good first "
     "impression and carry it through. People may trust you quickly because you look like what "
     "you are. The catch is relying on that ease and leaving deeper connection to chance. Real "
     "interest in the person in front of you is what brings people back for a second "
     "conversation."},
    {PointId::Ascendant, PointId::Sun, ReadingFamily::Hard,
     "Your sense of purpose and your Ascendant pull different ways, so people may read you "
     "differently from how you mean to come across. You may look brash when you feel unsure, or "
     "retiring when you feel strong, and partners may seem to shine in the very way you hold "
     "back. Letting your manner catch up with your purpose shows people the person you mean them "
     "to meet."},
    {PointId::Ascendant, PointId::Moon, ReadingFamily::Conjunction,
     "Your Moon colours your Ascendant, so your feelings show in your face, and people tend to "
     "read your mood before you say a word. You come across as responsive, approachable and "
     "easily touched. The other side is moodiness that tints every first impression, or soaking "
     "up the atmosphere of each room like weather. A few steady routines give this openness a "
     "dependable shape."},
    {PointId::Ascendant, PointId::Moon, ReadingFamily::Easy,
     "Your feelings warm your Ascendant, so you tend to put people at ease and come across as "
     "caring. Strangers in a queue may tell you things they would not tell a friend. The price "
     "can be becoming the one everyone leans on without asking for anything back. Offering warmth "
     "while keeping your own needs in view lets you give that ease freely without being spent by "
     "it."},
    {PointId::Ascendant, PointId::Moon, ReadingFamily::Hard,
     "Your inner needs and your Ascendant pull apart, so how you feel and how you come across can "
     "differ sharply. You may show a calm face while churning inside, or let a mood spill into an "
     "introduction. Others may misread you as cold or as fragile, and you may not correct them. "
     "Saying plainly what you feel makes you someone people can trust."},
    {PointId::Ascendant, PointId::Mercury, ReadingFamily::Conjunction,
     "Your Mercury animates your Ascendant, so people tend to know you first as quick, curious or "
     "talkative. You may fill silences easily and read a room in seconds. The shadow is nervous "
     "chatter, or a cleverness that keeps people at arm's length. Listening as well as you speak "
     "makes this bright manner welcoming."},
    {PointId::Ascendant, PointId::Mercury, ReadingFamily::Easy,
     "Thought and your Ascendant work smoothly in step, so you tend to come across as articulate "
     "and easy to talk to. Introductions, interviews and chat at the bus stop may come naturally. "
     "It is tempting to stay on the surface because it is comfortable there. Letting a "
     "conversation go deeper when it can shows people there is more to you than a quick reply."},
    {PointId::Ascendant, PointId::Mercury, ReadingFamily::Hard,
     "Your way of thinking and your Ascendant trip each other up, so words can come out wrong "
     "just when first impressions count. You may talk too much when nervous, go blank when you "
     "most want to be sharp, or leave the talking to a partner who always has the words. What you "
     "said in an introduction can be replayed for days afterwards. Practising a few plain "
     "sentences about yourself builds an ease that holds under pressure."},
    {PointId::Ascendant, PointId::Venus, ReadingFamily::Conjunction,
     "Your Venus graces your Ascendant, so people tend to find you pleasant, graceful or "
     "attractive at first sight. You may have a good eye for dress and setting, and a knack for "
     "making guests comfortable. The trap is relying on being liked, and smoothing over every "
     "friction to keep it. Letting people see your opinions as well as your grace gives your "
     "charm backbone."},
    {PointId::Ascendant, PointId::Venus, ReadingFamily::Easy,
     "Your Venus lends your Ascendant grace, so you tend to make people feel welcome without "
     "trying. Style, tact and a friendly face may open doors for you. Goodwill can be taken for "
     "granted, and anything awkward sidestepped. Your charm does its best work easing the way for "
     "someone else, or for a difficult truth."},
    {PointId::Ascendant, PointId::Venus, ReadingFamily::Hard,
     "What you value and your Ascendant pull apart, so you may try too hard to please or hide "
     "your warmth behind a guarded face. Others may like your surface and miss what you care "
     "about. Checking how you look and sound can eat away at your ease, one glance in the shop "
     "window at a time. Letting your manner show your real tastes builds an attractiveness that "
     "is your own."},
    {PointId::Ascendant, PointId::Mars, ReadingFamily::Conjunction,
     "Your Mars puts its edge on your Ascendant, so people tend to see you as direct, energetic "
     "or even combative at first sight. You may act before you think and say the blunt thing "
     "before the polite one. The drawback is an impatience that puts people on guard. Pointing "
     "your energy at tasks rather than at people lets your directness be felt as help, not "
     "attack."},
    {PointId::Ascendant, PointId::Mars, ReadingFamily::Easy,
     "Your Mars lends your Ascendant energy, so you tend to come across as capable, brave and "
     "ready to act. People may look to you to take the first step when a group hesitates. The "
     "risk is rushing in where a pause would serve better. A question or two before you charge in "
     "earns you trust as well as admiration."},
    {PointId::Ascendant, PointId::Mars, ReadingFamily::Hard,
     "Your drive and your Ascendant grind against each other, so you may come across as more "
     "aggressive, or more hesitant, than you feel. People may push back early, or you may push "
     "first. You may brace for a contest in every new office or classroom. Learning to arrive "
     "gently and still hold your ground earns you respect."},
    {PointId::Ascendant, PointId::Jupiter, ReadingFamily::Conjunction,
     "Your Jupiter broadens your Ascendant, so strangers tend to take you for warm, expansive and "
     "good company. You may fill a room with enthusiasm and make newcomers feel welcome. The "
     "pitfall is promising more than you can deliver, or talking over quieter people without "
     "noticing. Matching your big-hearted presence with follow-through means people count on you, "
     "not only enjoy you."},
    {PointId::Ascendant, PointId::Jupiter, ReadingFamily::Easy,
     "Your Jupiter gives your Ascendant a buoyant cast, so you tend to make a hopeful, open first "
     "impression. Opportunities may come through people who take to you at once. The shadow is "
     "coasting on good humour when effort is due. That easy goodwill goes furthest behind a real "
     "plan, with a date and a first step."},
    {PointId::Ascendant, PointId::Jupiter, ReadingFamily::Hard,
     "Your hopes and your Ascendant tug in different directions, so you may overstate yourself or "
     "lecture when you mean to connect. Others may find you too much, or you may find them "
     "narrow. Over-promising and then quietly retreating can become a pattern. Measuring your "
     "words against what you can do keeps your warmth credible."},
    {PointId::Ascendant, PointId::Saturn, ReadingFamily::Conjunction,
     "Your Saturn lends its reserve to your Ascendant, so you can strike people as serious, "
     "capable and older than your years. You may hold back until you know the ground, and stand "
     "at the edge of a party until someone you know arrives. The shadow is a guarded face that "
     "keeps warmth out of view. Letting a little ease into your presence makes your reliability "
     "approachable."},
    {PointId::Ascendant, PointId::Saturn, ReadingFamily::Easy,
     "Your Saturn steadies your Ascendant, so you look dependable and composed. People may hand "
     "you responsibility early. The risk is settling into a sensible role and keeping your "
     "playful side out of sight. Allowing yourself to be seen at ease, as well as at work, rounds "
     "out this steady presence."},
    {PointId::Ascendant, PointId::Saturn, ReadingFamily::Hard,
     "Your sense of duty and your Ascendant weigh on each other, so shyness, stiffness or "
     "self-consciousness can colour a first impression. You may feel judged the moment you enter "
     "a room, or find that partners and colleagues take the part of the strict one with you. "
     "Waiting until you are sure can cost you openings. Each time you step forward anyway, you "
     "build an authority that wears well."},
    {PointId::Ascendant, PointId::Uranus, ReadingFamily::Conjunction,
     "Your Uranus is fused with your Ascendant, so others often find you unusual, surprising or "
     "hard to place. You may dress, speak or move in ways that break the expected. Though Uranus "
     "moves slowly, the Ascendant makes this contact yours rather than your generation's. The "
     "shadow is unpredictability that leaves others unsure how to approach you; consistency makes "
     "your difference magnetic."},
    {PointId::Ascendant, PointId::Uranus, ReadingFamily::Easy,
     "Your Uranus gives your Ascendant a fresh edge, so you strike people as inventive and at "
     "ease with the unusual. Friends may prize you as stimulating company. The catch is the "
     "friendly distance you keep in order to stay free. Letting a few people close without losing "
     "your edge makes you more than good company."},
    {PointId::Ascendant, PointId::Uranus, ReadingFamily::Hard,
     "Your urge for freedom and your Ascendant jolt each other, so you may come across as abrupt, "
     "contrary or restless. People may find you unsettling, or you may bolt when a situation "
     "feels fixed. A new haircut or a new plan can appear whenever you feel pinned down. Choosing "
     "where to be unconventional builds a presence that surprises without alarming."},
    {PointId::Ascendant, PointId::Neptune, ReadingFamily::Conjunction,
     "Your Neptune softens the edges of your Ascendant, so you come across as gentle, elusive or "
     "hard to pin down. Others may project their hopes onto you at first sight. The Ascendant "
     "moves fast, so this slow planet's touch is personal to you. The shadow is becoming whatever "
     "each person expects; knowing your own outline, and stating it, keeps this soft presence "
     "true."},
    {PointId::Ascendant, PointId::Neptune, ReadingFamily::Easy,
     "Your Neptune softens your Ascendant, so you come across as kind, artistic and easy to "
     "confide in. You may pick up the mood of a room at once, and know who needs a kind word "
     "before they ask. The cost is drifting with whatever company you keep. Creative or caring "
     "work gives that receptiveness somewhere to go besides other people's moods."},
    {PointId::Ascendant, PointId::Neptune, ReadingFamily::Hard,
     "Your longings and your Ascendant tend to blur, so people may not know what to make of you, "
     "or may see someone you are not. You may be misread, idealised or overlooked, and slip away "
     "when pinned down. Vagueness about your intentions can spare others disappointment and cost "
     "you trust. Clear, simple statements of what you want help others know where they stand with "
     "you."},
    {PointId::Ascendant, PointId::Pluto, ReadingFamily::Conjunction,
     "Your Pluto charges your Ascendant, so you may strike people as magnetic, private or a "
     "little formidable at first sight. You may watch a room before revealing anything. This is a "
     "personal mark, not a generation's, since the Ascendant moves quickly. The downside is a "
     "guarded stare that keeps people wary; letting some warmth through makes this presence "
     "compelling rather than daunting."},
    {PointId::Ascendant, PointId::Pluto, ReadingFamily::Easy,
     "Your Pluto gives your Ascendant quiet depth, so you tend to come across as composed, "
     "perceptive and quietly strong. People may turn to you in a crisis, when a room needs "
     "someone who does not panic. Yet you may hold your power in reserve and keep yourself "
     "unknown. That composure does the most good when you lend it to others as they falter."},
    {PointId::Ascendant, PointId::Pluto, ReadingFamily::Hard,
     "Your need for control and your Ascendant wrestle, so you may come across as more guarded or "
     "more forceful than you intend. A contest of wills can start in the first minutes of knowing "
     "someone. You may test people before you trust them. Letting yourself be seen a little at a "
     "time builds a strength that needs no armour."},
    {PointId::Midheaven, PointId::Sun, ReadingFamily::Conjunction,
     "Your Sun is fused with your Midheaven, so you tend to be known for what you do and to want "
     "a role in public view. Recognition may matter a great deal, and a job title can feel like a "
     "name. The shadow is letting the work stand in for your whole identity, so a bad review "
     "wounds the person as well as the project. Keeping a life outside your title gives this "
     "ambition a steady centre."},
    {PointId::Midheaven, PointId::Sun, ReadingFamily::Easy,
     "Your Sun backs your Midheaven, so you tend to find work that lets you be yourself, and "
     "colleagues can tell you mean what you do. Recognition may come without much strain, a "
     "promotion you did not have to campaign for. The temptation is a comfortable position below "
     "your reach. Setting a goal that asks more of you keeps the ease from going slack."},
    {PointId::Midheaven, PointId::Sun, ReadingFamily::Hard,
     "Your sense of self and your Midheaven pull against each other, so the work you do and the "
     "person you are may not feel aligned. You may clash with employers, chase a title that does "
     "not fit, or feel most yourself at home, away from any title. Wanting recognition and "
     "distrusting it once it comes can pull you both ways. Shaping your career around what you "
     "actually value builds a standing you can own."},
    {PointId::Midheaven, PointId::Moon, ReadingFamily::Conjunction,
     "Your Moon steers your Midheaven, so care, sensitivity or work that touches home and family "
     "can become your public face. Your public life can follow your moods more than you like. The "
     "snag is needing the workplace to feel like a family, and taking office politics to heart. A "
     "vocation that lets you look after people, with clear limits, gives your feelings useful "
     "work without making every meeting personal."},
    {PointId::Midheaven, PointId::Moon, ReadingFamily::Easy,
     "Your Moon guides your Midheaven gently, so you may find a calling in caring, feeding, "
     "housing or teaching. Colleagues may rely on you as the steady presence in the team. The "
     "risk is staying in a cosy job because it feels like home. Your instincts, trusted toward "
     "the role you truly want rather than the one that feels safe, are the best career guide you "
     "have."},
    {PointId::Midheaven, PointId::Moon, ReadingFamily::Hard,
     "Your need for comfort and your Midheaven tug against each other, so home and career can "
     "compete for the same hours. You may feel torn between family and the work you are known "
     "for, or carry old family expectations about success. Changing course whenever you feel "
     "unsettled can become a habit. A career with room for private life gives you a standing that "
     "holds."},
    {PointId::Midheaven, PointId::Mercury, ReadingFamily::Conjunction,
     "Your Mercury shapes your Midheaven, so your words, your ideas or your skill with "
     "information tend to open doors for you. Writing, teaching, trade or communication may be "
     "central to your work, and you may be the one colleagues ask to draft the email that "
     "matters. The pitfall is scattering your talents across too many projects at once. Choosing "
     "one field to master, and staying with it past the point of novelty, is what people come to "
     "remember you for."},
    {PointId::Midheaven, PointId::Mercury, ReadingFamily::Easy,
     "Thought and your Midheaven work in step, so you can talk, write or reason your way into the "
     "right role. Contacts and information tend to flow toward you. The shadow is relying on "
     "cleverness and skipping the slow work. Real expertise, built patiently alongside the "
     "quickness, is what keeps people asking for you by name."},
    {PointId::Midheaven, PointId::Mercury, ReadingFamily::Hard,
     "Your way of thinking and your Midheaven talk past each other, so you may feel misunderstood "
     "at work or unsure how to present your skills. Colleagues may question your ideas, or you "
     "may second-guess your career choices at the kitchen table long after work. The next move "
     "can be planned so often that it stays on paper. Speaking clearly about what you offer lets "
     "your reputation fit the work."},
    {PointId::Midheaven, PointId::Venus, ReadingFamily::Conjunction,
     "Your Venus lends its grace to your Midheaven, so charm, taste or work involving art, beauty "
     "or people can shape your career. Public life may come more easily when you are liked, and "
     "you may be the one sent to calm a difficult client. The trap is choosing work for its "
     "pleasantness over its challenge. Your grace carries furthest when it is put behind work "
     "that matters to you, not only work that pleases."},
    {PointId::Midheaven, PointId::Venus, ReadingFamily::Easy,
     "Grace and your Midheaven help each other, so you tend to be well liked at work and may find "
     "a career in art, design or diplomacy. Colleagues and clients may open doors for you. "
     "Goodwill can make you coast. Taking on work that stretches your taste, not only displays "
     "it, keeps you growing rather than decorating."},
    {PointId::Midheaven, PointId::Venus, ReadingFamily::Hard,
     "What you love and your Midheaven pull apart, so career and pleasure may compete for your "
     "attention. Your work may feel short of beauty, or love may appear to cost you ambition. "
     "Chasing approval from a boss can become a habit. Finding a vocation that honours what you "
     "value lets you enjoy the standing you earn."},
    {PointId::Midheaven, PointId::Mars, ReadingFamily::Conjunction,
     "Your Mars drives your Midheaven, so you tend to be known as ambitious, bold and ready to "
     "compete. You may thrive wherever there is a target to hit and a rival to beat. The cost is "
     "clashing with bosses and rivals, or pushing too hard for position. Leading by example, "
     "first in and last out, earns you a following, not only a reputation for a fight."},
    {PointId::Midheaven, PointId::Mars, ReadingFamily::Easy,
     "Your Mars fuels your Midheaven, so you tend to work hard and take initiative without "
     "needing to be asked. You may advance through effort that others notice, the one still "
     "fixing the problem when the office empties. The shadow is burning energy on busywork that "
     "looks like progress. A clear career goal, written down, stops the hours from scattering "
     "across whatever is loudest."},
    {PointId::Midheaven, PointId::Mars, ReadingFamily::Hard,
     "Your drive and your Midheaven collide, so friction with authority or rivals may mark your "
     "working life. You may resign in anger, push for a role before you are ready, or carry the "
     "day's battles home with you. Fighting the system can become a habit even where the system "
     "would bend. Learning to choose your battles earns a name for strength rather than friction."},
    {PointId::Midheaven, PointId::Jupiter, ReadingFamily::Conjunction,
     "Your Jupiter enlarges your Midheaven, so generosity, vision or work in teaching, travel or "
     "publishing can set your public course. Chances to rise often come through people who "
     "believe in you. The danger is promising too much, or assuming success arrives by itself. "
     "Pairing your optimism with a plan and a calendar gives your standing a firm base."},
    {PointId::Midheaven, PointId::Jupiter, ReadingFamily::Easy,
     "Your Jupiter favours your Midheaven, so chances to grow in your career may come readily. "
     "Mentors and patrons may take an interest in you, and a word from the right person tends to "
     "come at the right moment. The risk is letting the lucky phone call do your planning. Skills "
     "and contacts built while times are good are what carry you through the quieter years."},
    {PointId::Midheaven, PointId::Jupiter, ReadingFamily::Hard,
     "Your hopes and your Midheaven keep overshooting each other, so you may aim too high or "
     "drift between ambitions. Institutions may frustrate you, or appear to ignore your vision. "
     "Grand projects can be started with fanfare and left half done. Narrowing your aims makes "
     "you known for delivering what you promise."},
    {PointId::Midheaven, PointId::Saturn, ReadingFamily::Conjunction,
     "Your Saturn and your Midheaven act in unison, so you may be known as serious, responsible "
     "and hard-working. Success tends to come slowly, through sustained effort and years of "
     "proving yourself. The shadow is a fear of failure that keeps you from applying for the post "
     "you want. Authority earned over time tends to be the kind that lasts; the slow climb is the "
     "point, not the delay."},
    {PointId::Midheaven, PointId::Saturn, ReadingFamily::Easy,
     "Discipline and your Midheaven help each other, so you can build a career step by step and "
     "be trusted with responsibility. You may rise through reliability rather than flash. The "
     "drawback is choosing the safe path each time it is offered. Letting ambition guide you as "
     "well as duty lifts you from trusted to leading."},
    {PointId::Midheaven, PointId::Saturn, ReadingFamily::Hard,
     "Your sense of duty and your Midheaven grind against each other, so setbacks, delays or "
     "demanding superiors may mark your working life. You may doubt you deserve success, hold "
     "yourself to impossible standards, or carry duties at home that keep the career waiting. "
     "Waiting until you are qualified enough can postpone the move for years. Each responsibility "
     "you accept anyway builds an authority that endures."},
    {PointId::Midheaven, PointId::Uranus, ReadingFamily::Conjunction,
     "Your Uranus electrifies your Midheaven, so your working life may run to unusual work, "
     "sudden changes of career or a refusal to climb the usual ladder. Technology or reform may "
     "draw you. Because the Midheaven moves quickly, this is your own signature, not your "
     "generation's. The shadow is a restlessness that leaves each job before it bears fruit; a "
     "field that rewards invention gives your independence a home."},
    {PointId::Midheaven, PointId::Uranus, ReadingFamily::Easy,
     "Your Uranus sparks your Midheaven, so you can find new ways to work and may thrive in "
     "fields that change fast. Unexpected openings may come your way: the project nobody else "
     "wanted, the job title that did not exist five years earlier. Novelty can crowd out mastery. "
     "Staying long enough to finish something original earns you a reputation, not only a run of "
     "fresh starts."},
    {PointId::Midheaven, PointId::Uranus, ReadingFamily::Hard,
     "Your urge for freedom and your Midheaven jolt each other, so career changes may come "
     "suddenly or by your own abrupt choice. Authority can grate, rules feel unbearable, and a "
     "move of house can come as suddenly as a change of job. Quitting just as stability arrives "
     "can become a pattern. Shaping work with room for independence lets you be valued for your "
     "originality."},
    {PointId::Midheaven, PointId::Neptune, ReadingFamily::Conjunction,
     "Your Neptune tints your Midheaven, so art, music, care or spiritual work may draw your "
     "ambitions. Others may see an ideal in you. The Midheaven makes this slow planet's contact "
     "personal rather than shared by everyone born near you. The shadow is uncertainty about "
     "direction, or a reputation built on other people's projections; grounding your vision in "
     "practical steps, a portfolio, a timetable, shows it to the world as well as to you."},
    {PointId::Midheaven, PointId::Neptune, ReadingFamily::Easy,
     "Your Neptune inspires your Midheaven, so you may find a calling in creative, caring or "
     "spiritual work. Your sense of direction can be intuitive rather than planned, a path found "
     "by following what moves you. The weak spot is drifting between roles without committing to "
     "one. Giving your dreams a timetable puts them to work."},
    {PointId::Midheaven, PointId::Neptune, ReadingFamily::Hard,
     "Your longings and your Midheaven tend to blur, so your career path may be unclear or your "
     "reputation shaped by misunderstanding. You may feel called to something you cannot name, or "
     "be let down by employers who promised much. Waiting for the perfect vocation can fill "
     "years. Testing ideals against practical work gives you a calling that holds."},
    {PointId::Midheaven, PointId::Pluto, ReadingFamily::Conjunction,
     "Your Pluto deepens your Midheaven, so you may be known for intensity, influence or work in "
     "research, crisis or transformation. Ambition can run deep, and quiet. This contact belongs "
     "to you personally, since the Midheaven moves too fast for a whole generation to share it. "
     "The hazard is power struggles at work; using influence honestly makes this force a source "
     "of real change."},
    {PointId::Midheaven, PointId::Pluto, ReadingFamily::Easy,
     "Your Pluto strengthens your Midheaven, so you can rise through persistence and insight, and "
     "hold steady when a crisis hits the workplace. You may find a calling in research, inquiry "
     "or rebuilding what has broken. The shadow is hiding your ambition even from yourself. "
     "Saying your aims out loud, to yourself first, lets others back them."},
    {PointId::Midheaven, PointId::Pluto, ReadingFamily::Hard,
     "Your need for control and your Midheaven wrestle, so power struggles with authorities or "
     "rivals may mark your working life. Your career may be overturned more than once, or you may "
     "push hard for a position. Gripping your reputation tightly can make every critic feel like "
     "a threat. Letting go of what you cannot control builds a standing that outlasts change."},
};

const PatternReading PatternTable[] = {
    {PatternKind::GrandTrine, std::nullopt,
     "Three of your planets link in a closed triangle of trines, so talent circulates among them "
     "without friction: what one part of you starts, the others carry along. Things in this area "
     "of life tend to come easily, and you may barely notice you have a gift at all. The closed "
     "circuit is also the weak point, a comfortable loop that keeps out challenge and lets "
     "ability idle. The figure does its best work when something from outside gives it a task: a "
     "deadline, a student, a goal it did not choose."},
    {PatternKind::Kite, std::nullopt,
     "A grand trine in your chart is given a purpose by a fourth planet that pulls across it, "
     "opposing one corner and linking easily to the other two. The talents of the triangle no "
     "longer circle on their own: the tension of the opposition aims them, the way a string lets "
     "a kite climb. You may feel driven to use your gifts for something, and restless when they "
     "sit idle. The cost is the strain at the tail, between what comes easily and what you are "
     "asked to do; working with that pull keeps the whole figure aloft."},
    {PatternKind::GrandCross, std::nullopt,
     "Four of your planets pull against one another in two oppositions bound by four squares, so "
     "pressure arrives from every side at once. Life can feel like a juggling act in which each "
     "demand blocks another: work against home, freedom against duty. There is no single release "
     "valve, which is why the strain can weigh most in younger years. Carried long enough, the "
     "fourfold pressure steadies into stamina: you learn to bear weight evenly, and few upsets "
     "knock you over."},
    {PatternKind::TSquare, std::nullopt,
     "Two of your planets pull against each other, and both press on a third, the apex, where the "
     "tension looks for a way out. The drive of this figure is spent through the apex: its "
     "concerns become the place where you push, overwork or overreact. You may find yourself "
     "returning to the same kind of effort there, year after year. Aimed well, the pressure is a "
     "motor, and people with this shape tend to get things done once they let the apex be a "
     "channel rather than a battlefield."},
    {PatternKind::TSquare, 0,  // Sun
     "With your Sun at the apex of this T-square, the tension between the two opposed planets is "
     "spent through your will and your sense of self. You may push to prove yourself, take the "
     "lead before anyone asks, or feel that who you are is on trial. The drive is strong, and "
     "recognition can grow from exactly this pressure. Acting from purpose rather than from a "
     "need to win keeps the strain behind you instead of on top of you."},
    {PatternKind::TSquare, 1,  // Moon
     "Here your Moon, at the apex, takes the strain of the opposed pair, so feelings, habits and "
     "home carry the load. Moods may flare when pressure builds, and you may soothe the tension "
     "by cooking, tidying or looking after everyone in reach. Your reactions are quick and "
     "strong. Naming what you need before it boils over gives your feelings a steady keel."},
    {PatternKind::TSquare, 2,  // Mercury
     "Your Mercury, at the apex of this T-square, becomes the outlet for the opposed pair's "
     "tension, so thinking, talking and writing take the strain. You may argue, plan, analyse and "
     "message your way through every difficulty, sometimes late into the evening. The mind turns "
     "into a tireless problem-solver, and a restless one. Giving it one problem at a time, and a "
     "finished page at the end, lets it rest as well as race."},
    {PatternKind::TSquare, 3,  // Venus
     "When your Venus sits at the apex of a T-square, love, pleasure and what you value become "
     "the channel for the strain between the opposed planets. You may smooth every quarrel over, "
     "seek comfort in lovely things, or lean on a relationship to carry the tension. Charm is the "
     "outlet, and sometimes the escape. Letting relationships and creative work hold honest "
     "friction, not only harmony, makes them sturdier than charm alone could."},
    {PatternKind::TSquare, 4,  // Mars
     "Your Mars, at the apex, is where this T-square discharges, so the tension of the opposed "
     "pair comes out through action, effort and anger. You may throw yourself at problems, start "
     "fights or take on far more than one person should. The energy is formidable. Choosing "
     "targets carefully, and resting between campaigns, lets that force build something steady."},
    {PatternKind::TSquare, 5,  // Jupiter
     "With your Jupiter at the apex, this T-square releases its strain through hope, belief and "
     "the urge for more. You may answer pressure with bigger plans, a new cause or a ticket "
     "somewhere far away. Optimism is the release, and sometimes overreach. Keeping one foot in "
     "the details lets your hopes grow without scattering."},
    {PatternKind::TSquare, 6,  // Saturn
     "In this T-square your Saturn sits at the apex, so the tension of the opposed pair is spent "
     "through duty, control and hard work. You may answer every difficulty with more "
     "responsibility, stricter rules or a longer list. The effort is real and often rewarded, if "
     "slowly. Allowing some give, and asking for help, keeps all that duty from setting like "
     "concrete."},
    {PatternKind::TSquare, 7,  // Uranus
     "Your Uranus, at the apex of this T-square, gives the opposed pair's tension a sudden "
     "outlet: change and the urge to break free. You may resolve a standoff by walking out, "
     "starting again or inventing a way round it. Surprise can be your tool and your trap. "
     "Channelling that urge into deliberate reform, not abrupt exits, opens doors you might "
     "otherwise slam."},
    {PatternKind::TSquare, 8,  // Neptune
     "At the apex of this T-square sits your Neptune, so the strain of the opposed planets drains "
     "into imagination, idealism or escape. You may dream your way out of pressure, give yourself "
     "to a cause, or let things blur until they go away. The outlet can be creative or evasive. "
     "Grounding inspiration in a practice, a craft or a service means the dream does someone some "
     "good."},
    {PatternKind::TSquare, 9,  // Pluto
     "Your Pluto, at the apex, draws the whole pressure of this T-square into intensity, control "
     "and deep change. You may answer difficulty by digging in, taking charge, or tearing "
     "something down to build it again. The force is considerable. Choosing what to transform, "
     "and letting the rest be, lets this figure renew you rather than wear you out."},
    {PatternKind::Yod, std::nullopt,
     "Two of your planets that work easily together both point, at an awkward angle, to a third, "
     "the apex. Their combined pull comes to rest on something that does not quite fit. A yod "
     "often feels like an odd calling, a sense of being asked for something specific that you "
     "cannot yet name. Life may ask for repeated corrections of course toward the apex: a change "
     "of direction, a new skill, a role you did not expect. The strain is a persistent itch "
     "rather than a crisis, and heeding it can shape a vocation no one else could fill."},
    {PatternKind::Yod, 0,  // Sun
     "In this yod your Sun, at the apex, receives the pull of two planets that work well together "
     "but sit awkwardly with it. Your sense of self may feel like a work in progress, asked again "
     "and again to grow in a direction it did not plan. The calling is to become someone "
     "specific, often through roles you stumble into. Each correction of course brings you closer "
     "to a purpose you can claim as your own."},
    {PatternKind::Yod, 1,  // Moon
     "Your Moon, at the apex of this yod, gathers the pull of two planets that cooperate with "
     "each other but fit poorly with it. Your needs and habits may keep being unsettled, as if "
     "home had to be found again in each new chapter. Often the task is to care for others in an "
     "unusual way. Heeding what your feelings ask for, not what they are used to, makes you wise "
     "about belonging in a way settled people rarely are."},
    {PatternKind::Yod, 2,  // Mercury
     "With your Mercury at the apex, this yod sends the pull of two cooperating planets through a "
     "mind that fits neither of them easily. Your thinking may feel out of step, as if you had to "
     "learn each subject twice to make it your own. You may be drawn to speak, write or teach "
     "something unusual. Refining your voice through draft after draft leaves you with a way of "
     "thinking no one else quite has."},
    {PatternKind::Yod, 3,  // Venus
     "Your Venus stands at the apex of this yod, where two planets that get on with each other "
     "send a demand that does not quite fit. Love and what you value may keep asking to be "
     "rethought, with relationships that do not follow a simple script. A particular kind of art, "
     "beauty or peacemaking may claim you. Each honest change in what you want brings you closer "
     "to a love that fits."},
    {PatternKind::Yod, 4,  // Mars
     "Your Mars sits at the apex of this yod, the point two friendly planets both lean on at an "
     "awkward angle. Your drive may keep being redirected, with effort that seldom lands where "
     "you first aimed it. Somewhere in the detours lies a specific fight worth taking up. Each "
     "change of tactic teaches you where your energy belongs, until action and purpose line up."},
    {PatternKind::Yod, 5,  // Jupiter
     "Here your Jupiter, at the apex, carries the combined pull of two planets that work well "
     "together but poorly with it. Your beliefs and hopes may need reshaping more than once, as "
     "each philosophy proves too narrow for what you have lived. The vocation hidden in this is "
     "often to teach, guide or travel toward a truth of your own. Each time you let a belief grow "
     "to fit experience, the figure widens your world."},
    {PatternKind::Yod, 6,  // Saturn
     "Your Saturn is the apex of this yod, asked by two planets in easy league to carry what "
     "neither can. Duty and ambition may keep asking for rework, as if the structure you built "
     "were not quite the right one. A particular responsibility may be yours to carry. Patience "
     "with the repeated rebuilding leaves you with something that lasts."},
    {PatternKind::Yod, 7,  // Uranus
     "Your Uranus, at the apex of this yod, takes the combined pull of two planets that work "
     "easily together but uneasily with it. Your urge for freedom may strike at odd moments, "
     "sending your life off in unplanned directions. The role that emerges is often to bring "
     "something new into a group or a field. Learning to steer those sudden turns, not only ride "
     "them, gives you a place no one else could fill."},
    {PatternKind::Yod, 8,  // Neptune
     "With your Neptune at the apex, this yod pours the pull of two cooperating planets into "
     "ideals and imagination. The vision you pursue may keep shifting shape, so it has to be "
     "found again in each stage of life. You may feel called to serve, create or inspire without "
     "a map for any of it. Giving the vision a practical form each time it returns is how it "
     "reaches beyond you."},
    {PatternKind::Yod, 9,  // Pluto
     "Your Pluto takes the apex of this yod, where the combined pressure of two allied planets "
     "lands at an odd angle. Deep changes may come in waves, each asking you to release something "
     "you had built your life around. Your part is often to bring renewal where it is most "
     "needed. Letting each ending lead to a fresh start builds a resilience others come to lean "
     "on."},
    {PatternKind::MysticRectangle, std::nullopt,
     "Four of your planets form a rectangle in which two oppositions are held steady by trines "
     "and sextiles along the sides. Tension and ease are balanced: each pull has a support beside "
     "it, so conflicts tend to find practical solutions rather than dramatic ones. You may be the "
     "one who calmly sorts out a crisis at work or at home while others are still arguing. The "
     "risk is that balance hardens into caution, a life arranged so neatly that nothing is "
     "risked; using the steadiness as a base for bold moves lets it serve you."},
    {PatternKind::Stellium, std::nullopt,
     "Four or more of your planets crowd into a single sign, so a great deal of your energy pours "
     "through one style of living. You tend to be intensely and recognisably that way, with a "
     "concentration that brings depth and persistence. The cost is blind spots: what the sign "
     "does not value may go missing from your life, and others notice the gap before you do. "
     "Friends and partners who bring the missing qualities help round out a chart so strongly "
     "focused."},
    {PatternKind::Stellium, 0,  // Aries
     "Four or more of your planets crowd into Aries, so your energy runs toward action, courage "
     "and the urge to begin. You tend to charge at life, start things quickly and fight for what "
     "you want. Patience is what gets lost, and the quieter needs of others can slip from view. "
     "Learning to finish what you start, and to wait when waiting serves, rounds out this fiery "
     "concentration."},
    {PatternKind::Stellium, 1,  // Taurus
     "With four or more planets in Taurus, your chart pours its energy into stability, comfort "
     "and the patient building of what lasts. You tend to be steady, sensual and hard to hurry. "
     "Change and risk are harder to welcome, and they can feel like threats even when they are "
     "openings. Welcoming a little novelty every year keeps steadfastness from hardening into "
     "stubbornness."},
    {PatternKind::Stellium, 2,  // Gemini
     "A crowd of four or more planets in Gemini gives you a mind that juggles ideas, people and "
     "projects with quick intelligence. Curiosity, talk and connection are where your energy "
     "goes. Depth and follow-through are the blind spots, since the next interesting thing is "
     "forever beckoning. Choosing a few subjects to pursue to the end gives your curiosity "
     "something to show for itself."},
    {PatternKind::Stellium, 3,  // Cancer
     "Cancer holds four or more of your planets, so your energy concentrates in feeling, home and "
     "care. You tend to be protective, intuitive and loyal to those you count as family. The "
     "wider world can feel unsafe beyond familiar walls. Taking your care out into it, not only "
     "keeping it at home, broadens this tender focus."},
    {PatternKind::Stellium, 4,  // Leo
     "With four or more planets in Leo, your chart centres on self-expression, warmth and the "
     "wish to be seen. You tend to be generous, creative and proud of what you make. What can go "
     "unnoticed is the quieter work of others, and the value of not being noticed at all. Sharing "
     "the stage, and praising as readily as you perform, lets this radiance warm other people "
     "too."},
    {PatternKind::Stellium, 5,  // Virgo
     "In Virgo sit four or more of your planets, so your energy goes into skill, service and "
     "getting the details right. You tend to be observant, useful and modest about it. Rest and "
     "the big picture are easily lost behind an endless list. Letting good enough be enough, now "
     "and then, keeps this careful focus from turning critical."},
    {PatternKind::Stellium, 6,  // Libra
     "A cluster of four or more planets in Libra puts partnership, fairness and harmony at the "
     "heart of your chart. You tend to be gracious, diplomatic and attentive to how others feel. "
     "Your own preferences, and the value of open disagreement, can be smoothed over too quickly. "
     "Learning to say what you want, even when it disturbs the peace, gives this balance a spine."},
    {PatternKind::Stellium, 7,  // Scorpio
     "Four or more of your planets gather in Scorpio, so your energy sinks into depth, intensity "
     "and what lies beneath the surface. You tend to be private, perceptive and fiercely "
     "committed. Lightness and letting go come hard, since both can feel like giving up. Allowing "
     "some things to be simple, and some grudges to lapse, frees this powerful concentration."},
    {PatternKind::Stellium, 8,  // Sagittarius
     "With four or more planets in Sagittarius, your chart reaches for exploration, belief and "
     "the search for meaning. You tend to be enthusiastic, frank and restless for the next "
     "horizon. Detail and the task near at hand are what you tend to overlook. Bringing your "
     "vision home to a daily practice grounds this wide-ranging focus."},
    {PatternKind::Stellium, 9,  // Capricorn
     "Capricorn draws four or more of your planets together, so your energy goes into ambition, "
     "structure and long-term achievement. You tend to be disciplined, reliable and serious about "
     "your goals. Play, and feelings that do not serve the plan, can be left out of the schedule. "
     "Making room for rest and tenderness keeps the plan serving your life rather than running "
     "it."},
    {PatternKind::Stellium, 10,  // Aquarius
     "A cluster of four or more planets in Aquarius puts ideas, independence and the good of the "
     "group at the centre of your chart. You tend to be original, principled and a little "
     "detached. Intimacy and one-to-one warmth can take second place to causes. Letting people "
     "close, not only in principle, warms this visionary focus."},
    {PatternKind::Stellium, 11,  // Pisces
     "Four or more of your planets gather in Pisces, so your energy flows into imagination, "
     "compassion and the life beneath the everyday. You tend to be sensitive, creative and quick "
     "to sympathise. Boundaries and practical matters are the blind spots, and they can dissolve "
     "when a feeling carries you off. Giving your dreams a structure, and your kindness limits, "
     "lets you stay open without being swept away."},
};

}  // namespace

std::span<const KeyedReading> pointReadings() { return PointTable; }

std::span<const PatternReading> patternReadings() { return PatternTable; }

}  // namespace zodrivel
