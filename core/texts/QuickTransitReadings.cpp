// SPDX-License-Identifier: AGPL-3.0-or-later
// Transits of the quick bodies, Sun to Mars: one to three sentences each, since they last
// days to weeks (the Moon hours). Each is written as a season that begins and ends, and one
// reading serves every aspect of its family, so the easy ones say nothing only the trine or
// the sextile is, and the hard ones nothing only the square, the opposition, the semi-sextile
// or the quincunx is.
#include <array>

#include "core/texts/TransitReadings.h"

namespace zodrivel {

namespace {

constexpr std::array QuickTransitTable{
    // The transiting Sun.
    KeyedReading{
        PointId::Sun, PointId::Sun, ReadingFamily::Conjunction,
        "The Sun comes back to the place it held at your birth: your birthday season, a few "
        "days when the year turns over for you alone. A good time to ask what the next twelve "
        "months should be about, and to let yourself be celebrated without waving it away."},
    KeyedReading{
        PointId::Sun, PointId::Sun, ReadingFamily::Easy,
        "For these days the Sun gives your own purpose a tailwind: plans made around your "
        "birthday find their footing, and being yourself costs little effort. A stretch like "
        "this is easily spent on nothing in particular; name one aim and give it the light "
        "while it lasts."},
    KeyedReading{
        PointId::Sun, PointId::Sun, ReadingFamily::Hard,
        "A checkpoint in your solar year: for these days the Sun presses on the purpose you set "
        "out with at your birthday, and what you meant to do rubs against what you are doing. "
        "The rub is useful, since it shows which aims still deserve your effort before the year "
        "moves on."},
    KeyedReading{
        PointId::Sun, PointId::Moon, ReadingFamily::Conjunction,
        "For these days the Sun lights up your Moon, and what you need is in plain view: the "
        "wish for a quiet evening at home, or for a familiar voice, is hard to ignore. Use the "
        "time to tend your household and your moods openly; feelings shown now are also felt "
        "more keenly."},
    KeyedReading{
        PointId::Sun, PointId::Moon, ReadingFamily::Easy,
        "While this lasts, the Sun warms your Moon, and what you want and what comforts you "
        "tend to agree. Home and family are easy to attend to, a few good days for a shared "
        "meal or the call long owed. Comfort this easy can push the harder errand to next week; "
        "do that one too."},
    KeyedReading{
        PointId::Sun, PointId::Moon, ReadingFamily::Hard,
        "For these days the Sun pulls at your Moon: the demands of the day and the needs of "
        "home compete for the same evening, and moods run close to the surface. The strain "
        "points to the part of your routine that has stopped feeding you, and a change made now "
        "can ease the month."},
    KeyedReading{
        PointId::Sun, PointId::Mercury, ReadingFamily::Conjunction,
        "For these days the Sun crosses your Mercury, and your thinking gets a spotlight: ideas "
        "come clearly, you speak up, and people tend to listen. It favours writing, pitching or "
        "settling an open question. The same glare can make you sure you are right; hear one "
        "doubter out before you press send."},
    KeyedReading{
        PointId::Sun, PointId::Mercury, ReadingFamily::Easy,
        "For these days the Sun brightens your Mercury, and words line up with intent: letters, "
        "interviews and study run more smoothly than usual. The fluency can slide into chatter, "
        "so point it at the conversation you have been putting off."},
    KeyedReading{
        PointId::Sun, PointId::Mercury, ReadingFamily::Hard,
        "While the Sun presses on your Mercury, purpose and reasoning argue: a diary crammed "
        "with errands, an opinion you defend harder than it needs. The argument sharpens "
        "thought; use these days to check a plan's details before you commit to it."},
    KeyedReading{
        PointId::Sun, PointId::Venus, ReadingFamily::Conjunction,
        "For these days the Sun shines on your Venus: affection, pleasure and taste come "
        "forward, and people feel warmer and you more generous. Buy the flowers, mend the "
        "friendship, accept the invitation. Keep an eye on the urge to please everyone at once."},
    KeyedReading{
        PointId::Sun, PointId::Venus, ReadingFamily::Easy,
        "While this lasts, the Sun lends your Venus an easy glow: invitations, compliments and "
        "good company arrive more readily, and beauty is worth making time for. The week can "
        "drift into pleasant idleness; let it carry at least one gesture of real care."},
    KeyedReading{
        PointId::Sun, PointId::Venus, ReadingFamily::Hard,
        "Until it passes, the Sun rubs against your Venus: what you want for yourself and what "
        "keeps the peace pull apart, over a plan with a partner or a tempting purchase. The "
        "tension shows what you value, and a clearer yes or no leaves your bonds more honest."},
    KeyedReading{
        PointId::Sun, PointId::Mars, ReadingFamily::Conjunction,
        "In the days the Sun spends on your Mars, drive runs high: start the hard task, enter "
        "the contest, say what you have held back. Impatience rises with it, and a short fuse "
        "in traffic or a meeting is possible; give the heat a job before it finds one."},
    KeyedReading{
        PointId::Sun, PointId::Mars, ReadingFamily::Easy,
        "Over the next few days the Sun feeds your Mars, and effort pays: the garden gets dug, "
        "the overdue report gets written, and courage comes without much forcing. The ease can "
        "tempt you to take on everything at once; pick the task that counts."},
    KeyedReading{
        PointId::Sun, PointId::Mars, ReadingFamily::Hard,
        "While the Sun presses on your Mars, friction comes quicker: a colleague who blocks the "
        "way, a temper that flares over a parking space. The heat has a use, since it shows "
        "where you have been holding back, and effort aimed at one clear goal now goes a long "
        "way."},
    KeyedReading{
        PointId::Sun, PointId::Jupiter, ReadingFamily::Conjunction,
        "Around the day the Sun reaches your Jupiter, hope comes easily: plans look bigger, "
        "people more generous, and a yes is easier to find. It favours asking, teaching and "
        "widening a horizon. Promises made in this glow can outgrow your diary; check what you "
        "agree to."},
    KeyedReading{
        PointId::Sun, PointId::Jupiter, ReadingFamily::Easy,
        "While this lasts, the Sun warms your Jupiter and openings have an easy feel: a helpful "
        "contact, a course that draws you, a trip worth booking. Luck this comfortable is "
        "easily taken for granted, so walk through one open door rather than admiring them all."},
    KeyedReading{
        PointId::Sun, PointId::Jupiter, ReadingFamily::Hard,
        "While this lasts, the Sun strains against your Jupiter: appetite outruns measure, and "
        "you may promise or expect more than the week holds. The pull is also a prompt to ask "
        "which hopes are worth the effort, and to give those the room."},
    KeyedReading{
        PointId::Sun, PointId::Saturn, ReadingFamily::Conjunction,
        "As the Sun crosses your Saturn, the days ask for seriousness: duties come into focus, "
        "and effort can feel heavy or unthanked. It is a time to finish, to tidy, to show what "
        "you can do against a deadline. What you build under this weight tends to hold."},
    KeyedReading{
        PointId::Sun, PointId::Saturn, ReadingFamily::Easy,
        "While this lasts, the Sun steadies your Saturn: discipline comes more easily, people "
        "in charge may be fair, and patient work shows. Use it for the dull, necessary task. "
        "The steadiness can harden into caution; let one thing be done imperfectly and on time."},
    KeyedReading{
        PointId::Sun, PointId::Saturn, ReadingFamily::Hard,
        "While the Sun presses on your Saturn, limits make themselves felt: a delay, a refusal, "
        "a sense of being examined by someone with authority. The pressure is tiring but "
        "honest; it shows where a plan lacks foundations, and work done on them now lasts."},
    KeyedReading{
        PointId::Sun, PointId::Uranus, ReadingFamily::Conjunction,
        "When the Sun reaches your Uranus, restlessness wakes: you may want to break the routine, "
        "say the unexpected thing, walk out of a rut. It suits an experiment or a fresh idea. "
        "Sudden decisions come easily now; wait a day on any that cannot be undone."},
    KeyedReading{
        PointId::Sun, PointId::Uranus, ReadingFamily::Easy,
        "In this short stretch the Sun sparks your Uranus: new ideas, unusual people and a "
        "welcome break from habit arrive with little friction. It favours trying the other way of "
        "doing things. Novelty this easy scatters attention; keep one experiment going past the "
        "week."},
    KeyedReading{
        PointId::Sun, PointId::Uranus, ReadingFamily::Hard,
        "As it comes exact, the Sun jolts your Uranus: plans may be upset, patience runs thin, "
        "and the wish to be free of something presses hard. The disruption shows which routines "
        "have gone stale, and a change you choose now costs less than one forced on you later."},
    KeyedReading{
        PointId::Sun, PointId::Neptune, ReadingFamily::Conjunction,
        "While the Sun passes over your Neptune, edges soften for a few days: imagination, "
        "music and compassion come easily, focus less so. It favours making something, resting, "
        "helping quietly. A decision taken in this haze can rest on a wish; check the facts "
        "before you commit."},
    KeyedReading{
        PointId::Sun, PointId::Neptune, ReadingFamily::Easy,
        "For these days the Sun brightens your Neptune, and intuition runs clear: a gentle "
        "stretch for art, reflection and unannounced kindness. It can also drift by in "
        "daydreams, so give the inspiration a form, a page written or a tune practised."},
    KeyedReading{
        PointId::Sun, PointId::Neptune, ReadingFamily::Hard,
        "While the Sun strains against your Neptune, clarity is harder to come by: plans blur, "
        "motives go vague, and purpose can feel drained. The fog asks you to slow down and "
        "listen, and what you sense in it is worth writing down before you act on it."},
    KeyedReading{
        PointId::Sun, PointId::Pluto, ReadingFamily::Conjunction,
        "As the Sun crosses your Pluto, intensity rises: what you want, you want completely, and "
        "what was hidden tends to surface. It favours getting to the bottom of a matter. Contests "
        "of control come easily now; know when to stop needing to win."},
    KeyedReading{
        PointId::Sun, PointId::Pluto, ReadingFamily::Easy,
        "As it comes exact, the Sun deepens your Pluto: focus is strong, research pays, and you "
        "may find the resolve to clear out what no longer serves you, a cupboard or a "
        "commitment. The intensity is quiet and easy to waste on brooding; spend it on one real "
        "renewal."},
    KeyedReading{
        PointId::Sun, PointId::Pluto, ReadingFamily::Hard,
        "For these days the Sun presses on your Pluto: control is at issue, with someone who "
        "pushes or in your own grip on a plan. The pressure exposes what you hold too tightly, "
        "and loosening it while this lasts gives you a firmer kind of strength."},
    KeyedReading{
        PointId::Sun, PointId::NorthNode, ReadingFamily::Conjunction,
        "For these days the Sun crosses your North Node, and the direction you are growing "
        "towards comes into view: a chance, a person or a nudge points away from the familiar. "
        "Take one step on that road while it is lit. Old habits still pull; notice which "
        "comfort you choose over growth."},
    KeyedReading{
        PointId::Sun, PointId::NorthNode, ReadingFamily::Easy,
        "For these days the Sun lights the way of your North Node: steps towards growth come "
        "more easily, and help may arrive from an unexpected quarter. The ease can make the "
        "step feel optional; take it while the way is clear."},
    KeyedReading{
        PointId::Sun, PointId::NorthNode, ReadingFamily::Hard,
        "While the Sun presses on your North Node, habit and growth pull apart, perhaps in a "
        "choice between the familiar role and the new one. The tension is a signpost: follow it "
        "one step, and the direction you are growing in becomes clearer."},
    KeyedReading{
        PointId::Sun, PointId::Lilith, ReadingFamily::Conjunction,
        "For these days the Sun shines on your Lilith, and what you have refused to tame comes "
        "into the light: anger at being managed, desires kept off the record. A time to own "
        "what you refuse to bend on. It can also provoke people who prefer you compliant."},
    KeyedReading{
        PointId::Sun, PointId::Lilith, ReadingFamily::Easy,
        "While this lasts, the Sun warms your Lilith, and your untamed side is easier to live "
        "with: saying no, wanting what you want, standing apart from the crowd. It favours "
        "honest independence; keep it honest rather than contrary for its own sake."},
    KeyedReading{
        PointId::Sun, PointId::Lilith, ReadingFamily::Hard,
        "Until it passes, the Sun rubs against your Lilith: you may resent being told how to "
        "behave, or feel pushed to conform where you would rather refuse. The resentment marks a "
        "boundary worth keeping, and naming it calmly carries further than a slammed door."},
    KeyedReading{
        PointId::Sun, PointId::Chiron, ReadingFamily::Conjunction,
        "In the days the Sun spends on your Chiron, an old hurt can come into view: a remark "
        "that stings more than it should, a memory that returns uninvited. Your skill at "
        "tending others is plain in these days too. Give yourself the care you hand out so "
        "readily."},
    KeyedReading{
        PointId::Sun, PointId::Chiron, ReadingFamily::Easy,
        "For these days the Sun warms your Chiron, and your old wound and your gift for tending "
        "sit more easily together: a good time to teach, listen, or speak of what once hurt. "
        "The calm is easily let slip; use it to mend something you usually avoid."},
    KeyedReading{
        PointId::Sun, PointId::Chiron, ReadingFamily::Hard,
        "While the Sun bears on your Chiron, a sore point may be touched: criticism, being left "
        "out, a feeling of not measuring up. Treat the ache as information rather than a verdict; "
        "the patience you find for yourself now deepens the help you can give others."},
    KeyedReading{
        PointId::Sun, PointId::Ascendant, ReadingFamily::Conjunction,
        "For these days the Sun rises over your Ascendant: you stand out more, first "
        "impressions carry weight, and your presence can fill a room. It favours introductions, "
        "fresh starts, a new haircut. Being seen can feel exposed; wear it lightly."},
    KeyedReading{
        PointId::Sun, PointId::Ascendant, ReadingFamily::Easy,
        "Until it passes, the Sun brightens your Ascendant: people respond warmly and you come "
        "across as you mean to, a good stretch for interviews and first conversations. The "
        "charm works without effort, so make sure you are saying something with it."},
    KeyedReading{
        PointId::Sun, PointId::Ascendant, ReadingFamily::Hard,
        "While this lasts, the Sun strains against your Ascendant: your confidence can read as "
        "pushiness across the table, or your reserve as coolness at a first meeting. The gap asks "
        "you to present yourself on purpose, and what you learn about your manner now is worth "
        "keeping."},
    KeyedReading{
        PointId::Sun, PointId::Midheaven, ReadingFamily::Conjunction,
        "As the Sun crosses your Midheaven, your work and standing are in the spotlight: "
        "recognition, a visible task, a talk about where your career is going. Show what you "
        "do. The attention cuts both ways, since a mistake is seen as clearly as a success."},
    KeyedReading{
        PointId::Sun, PointId::Midheaven, ReadingFamily::Easy,
        "For these days the Sun lights your Midheaven, and vocation runs smoothly: a good word "
        "from a superior, a project that shows your worth. Quiet ambition pays now, the job done "
        "to a high standard rather than announced. Goodwill can lull you into coasting; use it to "
        "ask for the next step."},
    KeyedReading{
        PointId::Sun, PointId::Midheaven, ReadingFamily::Hard,
        "While the Sun presses on your Midheaven, public role and private life compete, or your "
        "reputation is tested by a demand at work. The pressure clarifies what you want to be "
        "known for, and a choice made with that in mind serves your standing."},
    // The transiting Moon.
    KeyedReading{
        PointId::Moon, PointId::Sun, ReadingFamily::Conjunction,
        "For a few hours the Moon crosses your Sun, and feeling and purpose pull together: what "
        "you take on now, you can take on with your whole heart. Moods follow your aims closely "
        "now, so a setback can sting more than it deserves; by the time the Moon moves on, it "
        "tends to ease."},
    KeyedReading{
        PointId::Moon, PointId::Sun, ReadingFamily::Easy,
        "For these hours the Moon softens your Sun: you feel at home in yourself, and what you "
        "want comes without a struggle. A good hour for a talk with family or a task you enjoy. "
        "Contentment this easy can leave the harder job for tomorrow."},
    KeyedReading{
        PointId::Moon, PointId::Sun, ReadingFamily::Hard,
        "For a few hours the Moon pulls at your Sun: what you feel and what you mean to do "
        "disagree, and a passing mood can cloud a plan. Note the mood rather than obey it; once "
        "the hours pass, you can see what it was telling you."},
    KeyedReading{
        PointId::Moon, PointId::Moon, ReadingFamily::Conjunction,
        "The Moon returns to its birth place for a few hours each month, your own emotional new "
        "start. Needs are plain and instincts true to form: rest, cook, sit with the people who "
        "feel like home. Moods run strong but pass quickly."},
    KeyedReading{
        PointId::Moon, PointId::Moon, ReadingFamily::Easy,
        "For these hours the Moon moves in step with your own Moon: you feel settled, and what "
        "comforts you is within reach. Home, family and familiar pleasures are easy. Settled "
        "hours can close the door on everyone else; ring someone anyway."},
    KeyedReading{
        PointId::Moon, PointId::Moon, ReadingFamily::Hard,
        "For a few hours the Moon pulls at your own Moon, a monthly rub between the day's mood "
        "and your usual needs: irritability, an itch you cannot name, a drift from room to room. "
        "It passes quickly; asking what you actually need settles more than scratching the itch "
        "does."},
    KeyedReading{
        PointId::Moon, PointId::Mercury, ReadingFamily::Conjunction,
        "While the Moon crosses your Mercury, for part of a day, thoughts take on feeling: you "
        "speak from the gut, remember old things, hear what people mean beneath their words. It "
        "suits a personal letter. Objectivity is harder; reread before sending."},
    KeyedReading{
        PointId::Moon, PointId::Mercury, ReadingFamily::Easy,
        "For these hours the Moon eases your Mercury: talk flows kindly, and you find words for "
        "what you feel. A good hour for a heartfelt conversation or a page of diary. The ease "
        "can slide into gossip; keep it warm, not idle."},
    KeyedReading{
        PointId::Moon, PointId::Mercury, ReadingFamily::Hard,
        "Until the Moon moves on, it unsettles your Mercury: thinking is coloured by mood, and "
        "a remark may be taken the wrong way, by you or by someone else. Pause before replying; "
        "the hours pass quickly and show you what was really bothering you."},
    KeyedReading{
        PointId::Moon, PointId::Venus, ReadingFamily::Conjunction,
        "For a few hours, as the Moon crosses your Venus, tenderness comes easily: affection, a "
        "treat, a room made lovely with candles. You may want comfort more than usual; enjoy it "
        "without letting it swallow the whole evening."},
    KeyedReading{
        PointId::Moon, PointId::Venus, ReadingFamily::Easy,
        "For these hours the Moon warms your Venus: company is pleasant, kindness flows, and "
        "ordinary pleasures feel richer. Visit a friend or set the table properly. In warmth this "
        "free you can say yes to every plan on offer; keep one evening for yourself."},
    KeyedReading{
        PointId::Moon, PointId::Venus, ReadingFamily::Hard,
        "For a stretch of hours the Moon rubs against your Venus: you may feel unappreciated, "
        "or want more affection than anyone is offering. The mood passes; meanwhile, giving "
        "yourself the kindness you are waiting for tends to settle it."},
    KeyedReading{
        PointId::Moon, PointId::Mars, ReadingFamily::Conjunction,
        "As the Moon passes over your Mars, feelings turn straight into action: energy is high, "
        "and so is irritability. It suits hard chores or a frank word. A sharp reply comes "
        "easily now; aim the heat at a job, not at a person."},
    KeyedReading{
        PointId::Moon, PointId::Mars, ReadingFamily::Easy,
        "For these hours the Moon feeds your Mars: you act on instinct and it works, and a "
        "stubborn task gives way. Clear the shed, move the furniture, finish the chore. The "
        "zeal can run past sense; stop when the job is done."},
    KeyedReading{
        PointId::Moon, PointId::Mars, ReadingFamily::Hard,
        "While it lasts, a few hours at most, the Moon provokes your Mars: tempers fray, "
        "patience thins, and a trivial thing can start a quarrel. Let the heat go into movement "
        "or work; the hours pass, and what set you off is often worth noting."},
    KeyedReading{
        PointId::Moon, PointId::Jupiter, ReadingFamily::Conjunction,
        "For a few hours the Moon crosses your Jupiter, and you feel generous and hopeful: "
        "give, host, say yes. Appetites grow with the mood, so the extra purchase or the third "
        "invitation accepted tempts; let the generosity reach others first."},
    KeyedReading{
        PointId::Moon, PointId::Jupiter, ReadingFamily::Easy,
        "For these hours the Moon lifts your Jupiter: optimism comes easily, and kindness goes "
        "far. Help someone, or plan something to look forward to. The glow can make you offer "
        "more than you have; keep it to what you can give."},
    KeyedReading{
        PointId::Moon, PointId::Jupiter, ReadingFamily::Hard,
        "For a few hours the Moon strains against your Jupiter: you may want more than the day "
        "offers, or give more than you meant. The restlessness is brief; it hints at a need "
        "gone unmet, and naming it helps more than indulging it."},
    KeyedReading{
        PointId::Moon, PointId::Saturn, ReadingFamily::Conjunction,
        "While the Moon crosses your Saturn, for part of a day, the mood sobers: you may feel "
        "alone with your duties, or less welcome than you are. It suits quiet, careful work. "
        "The weight lifts as the Moon moves on; be gentle with yourself meanwhile."},
    KeyedReading{
        PointId::Moon, PointId::Saturn, ReadingFamily::Easy,
        "For these hours the Moon steadies your Saturn: you feel calm, practical and equal to "
        "your duties. Do the accounts, plan the week, visit an older relative. The steadiness "
        "can tip into coolness; a warm word costs little."},
    KeyedReading{
        PointId::Moon, PointId::Saturn, ReadingFamily::Hard,
        "Until the Moon moves on, it pulls against your Saturn: feelings hit a wall, and you "
        "may feel lonely, criticised or held back. The mood is brief, and doing one dull task "
        "well tends to lift it more than brooding on it does."},
    KeyedReading{
        PointId::Moon, PointId::Uranus, ReadingFamily::Conjunction,
        "For a few hours, as the Moon crosses your Uranus, moods turn quick and restless: you "
        "want change, space, something new. A spontaneous outing suits it. Feelings can flip "
        "suddenly; hold any decision you could not undo by evening."},
    KeyedReading{
        PointId::Moon, PointId::Uranus, ReadingFamily::Easy,
        "For these hours the Moon sparks your Uranus: a pleasant surprise, an unusual friend, a "
        "fresh way of seeing a familiar feeling. Take the other road home or say yes to the late "
        "plan. The excitement fades fast, so use the insight before it goes."},
    KeyedReading{
        PointId::Moon, PointId::Uranus, ReadingFamily::Hard,
        "For a stretch of hours the Moon jolts your Uranus: nerves are on edge, plans change, "
        "and you may bristle at anyone who hems you in. The agitation shows where you need more "
        "room, and a calm request gets it better than a sudden exit."},
    KeyedReading{
        PointId::Moon, PointId::Neptune, ReadingFamily::Conjunction,
        "As the Moon passes over your Neptune, feelings blur at the edges: you may be "
        "receptive, imaginative, easily moved. Music, rest or quiet care suit it. Boundaries "
        "thin now, so other people's moods can become yours."},
    KeyedReading{
        PointId::Moon, PointId::Neptune, ReadingFamily::Easy,
        "For these hours the Moon softens your Neptune: intuition is keen and compassion easy. "
        "Daydream with purpose, paint, pray, listen. The dreaminess can swallow the hours; give "
        "it an end."},
    KeyedReading{
        PointId::Moon, PointId::Neptune, ReadingFamily::Hard,
        "While it lasts, a few hours at most, the Moon clouds your Neptune: feelings are vague, "
        "you may feel drained or misunderstood, and escape tempts. The fog lifts as the Moon "
        "moves on; until then keep plans simple, and trust a feeling once it is clear."},
    KeyedReading{
        PointId::Moon, PointId::Pluto, ReadingFamily::Conjunction,
        "For a few hours the Moon crosses your Pluto, and feelings run deep: you may sense what "
        "is hidden, or feel an old hurt stir. It suits honest talk with one person you trust. "
        "Intensity can curdle into suspicion; let the hours pass before judging."},
    KeyedReading{
        PointId::Moon, PointId::Pluto, ReadingFamily::Easy,
        "For these hours the Moon deepens your Pluto: emotional insight is strong, and you can "
        "let go of something that has weighed on you. A real conversation suits it. The depth "
        "can pull you into brooding; come back up for air."},
    KeyedReading{
        PointId::Moon, PointId::Pluto, ReadingFamily::Hard,
        "For a few hours the Moon stirs your Pluto: jealousy, control or a sense of threat may "
        "surface over very little. The feeling is strong but brief; it points to something old, "
        "and noticing it rather than acting on it loosens its grip."},
    KeyedReading{
        PointId::Moon, PointId::NorthNode, ReadingFamily::Conjunction,
        "While the Moon crosses your North Node, for part of a day, instinct leans towards "
        "growth: a feeling or a chance encounter nudges you along the path you are learning to "
        "walk. Follow it a little way; the old comforts can wait an evening."},
    KeyedReading{
        PointId::Moon, PointId::NorthNode, ReadingFamily::Easy,
        "For these hours the Moon supports your North Node: what feels good and what helps you "
        "grow point the same way. Try one new habit in the direction you want. By the next day "
        "the habit can slip back into the usual; note how the new way felt."},
    KeyedReading{
        PointId::Moon, PointId::NorthNode, ReadingFamily::Hard,
        "Until the Moon moves on, it pulls at your North Node: habit and growth tug in "
        "different directions, and the familiar comfort calls loudly. Notice the tug; it shows "
        "what you still lean on, and one step the other way counts."},
    KeyedReading{
        PointId::Moon, PointId::Lilith, ReadingFamily::Conjunction,
        "For a few hours, as the Moon crosses your Lilith, feelings you usually keep wild and "
        "private rise: resentment at being tamed, a wish to be unruly. Honour an honest no. "
        "Moods are raw now, so choose where you let them out."},
    KeyedReading{
        PointId::Moon, PointId::Lilith, ReadingFamily::Easy,
        "For these hours the Moon eases your Lilith: you feel at home in the untamed part of you, "
        "free of the need to please. An evening on your own terms suits it, or a plain answer "
        "where you would usually soften one. Let it be candour, not carelessness with those close "
        "to you."},
    KeyedReading{
        PointId::Moon, PointId::Lilith, ReadingFamily::Hard,
        "For a stretch of hours the Moon rubs against your Lilith: you may feel managed, shamed "
        "or pushed into a role you refuse, the dutiful guest, the one who smooths things over. "
        "The anger is brief but telling; it marks a line you mean to keep, and you can step out "
        "of the role without leaving the room."},
    KeyedReading{
        PointId::Moon, PointId::Chiron, ReadingFamily::Conjunction,
        "As the Moon passes over your Chiron, an old wound may ache: a feeling of not "
        "belonging, a tender memory. You tend others well in these hours; an hour with someone "
        "who knows the story does more for you than a brave face."},
    KeyedReading{
        PointId::Moon, PointId::Chiron, ReadingFamily::Easy,
        "For these hours the Moon soothes your Chiron: you can speak of what hurt without being "
        "swept away, and your care reaches those around you. A gentle conversation suits it. "
        "The calm is brief; use it."},
    KeyedReading{
        PointId::Moon, PointId::Chiron, ReadingFamily::Hard,
        "While it lasts, a few hours at most, the Moon presses on your Chiron: a sore point is "
        "touched, and a trifle can hurt. The sting passes within the day, and a kind word to "
        "yourself settles it sooner than replaying the moment on a loop."},
    KeyedReading{
        PointId::Moon, PointId::Ascendant, ReadingFamily::Conjunction,
        "For a few hours the Moon crosses your Ascendant, and feelings show on your face: "
        "people read your mood before you say a word. It suits warm first contacts. You are "
        "more sensitive to others now; not every look is about you."},
    KeyedReading{
        PointId::Moon, PointId::Ascendant, ReadingFamily::Easy,
        "For these hours the Moon warms your Ascendant: you come across as approachable and at "
        "ease, and people respond in kind. Introduce yourself, chat at the counter. Easy charm "
        "can make you say yes too quickly; keep your own pace."},
    KeyedReading{
        PointId::Moon, PointId::Ascendant, ReadingFamily::Hard,
        "For a few hours the Moon pulls at your Ascendant: a tired face reads as a cross one, and "
        "a passing mood shows before you have decided to share it. Say plainly what you mean, and "
        "explain a frown rather than leave it to be guessed at; the hours pass quickly."},
    KeyedReading{
        PointId::Moon, PointId::Midheaven, ReadingFamily::Conjunction,
        "While the Moon crosses your Midheaven, for part of a day, feelings about work and "
        "reputation rise: you care what others think of your role. It suits work that needs a "
        "personal touch. The public mood can sway you; keep your own compass."},
    KeyedReading{
        PointId::Moon, PointId::Midheaven, ReadingFamily::Easy,
        "For these hours the Moon supports your Midheaven: home and career are at ease with each "
        "other, and a colleague may warm to you. Work that looks after people goes well, the "
        "patient reply, the newcomer shown round. Comfort can tempt you to coast; do one thing "
        "that counts."},
    KeyedReading{PointId::Moon, PointId::Midheaven, ReadingFamily::Hard,
                 "Until the Moon moves on, it pulls at your Midheaven: home needs and work demands "
                 "compete, and your standing can feel at stake over trifles. The tug is brief, and "
                 "noting which side lost out today tells you where to set the balance this week."},
    // The transiting Mercury.
    KeyedReading{
        PointId::Mercury, PointId::Sun, ReadingFamily::Conjunction,
        "For these days Mercury crosses your Sun, and your mind turns to your own aims: you "
        "think, talk and write about what matters to you. A good moment to draft the plan or "
        "state your case. Talking about yourself can crowd out listening; leave room for an "
        "answer."},
    KeyedReading{
        PointId::Mercury, PointId::Sun, ReadingFamily::Easy,
        "While this lasts, Mercury lends your Sun an easy tongue: ideas line up with purpose, "
        "and explaining yourself is simple. It favours interviews, study and short journeys. "
        "The cleverness can be spent on chatter; put it to work on something you mean."},
    KeyedReading{
        PointId::Mercury, PointId::Sun, ReadingFamily::Hard,
        "For these days Mercury presses on your Sun: what you say and what you mean can part "
        "company, and plans invite argument. The argument sharpens your reasoning; check your "
        "facts, and a better plan can come out of it."},
    KeyedReading{
        PointId::Mercury, PointId::Moon, ReadingFamily::Conjunction,
        "In the days Mercury spends on your Moon, feelings look for words: talk turns to home "
        "and family, and old memories resurface over the washing-up. It suits a letter or a "
        "heartfelt talk. Logic and mood blend now, so let a decision sit a day."},
    KeyedReading{
        PointId::Mercury, PointId::Moon, ReadingFamily::Easy,
        "While this lasts, Mercury eases your Moon: you can say what you feel without fuss, and "
        "conversations at home go well. Sort the cupboards, call the family, settle the holiday "
        "plans. The ease can let you skip the harder talk; have that one too."},
    KeyedReading{
        PointId::Mercury, PointId::Moon, ReadingFamily::Hard,
        "Until it passes, Mercury rubs against your Moon: thinking and feeling argue, words can "
        "hurt more than you meant, and home fills with errands and noise. The noise helps you "
        "name a need you have overlooked; say it plainly."},
    KeyedReading{
        PointId::Mercury, PointId::Mercury, ReadingFamily::Conjunction,
        "Mercury returns to its birth place, and for these days your own way of thinking is "
        "renewed: ideas come in your natural voice, and questions left open find answers. Start "
        "the course, the notebook, the plan. Too many ideas at once scatter; pick one."},
    KeyedReading{
        PointId::Mercury, PointId::Mercury, ReadingFamily::Easy,
        "While this lasts, Mercury moves in step with your own Mercury: learning is easy, talk "
        "flows, and your mind feels quick. It favours writing, study and the errands you have "
        "been saving. Fluency can turn to chatter; point it at something you want to "
        "understand."},
    KeyedReading{
        PointId::Mercury, PointId::Mercury, ReadingFamily::Hard,
        "For these days Mercury grates on your own Mercury: your habitual way of thinking is "
        "tested by new facts, and misunderstandings crop up. Plans may need rethinking; the "
        "muddle shows where your reasoning has gone stale, and fresher thinking grows from it."},
    KeyedReading{
        PointId::Mercury, PointId::Venus, ReadingFamily::Conjunction,
        "As Mercury crosses your Venus, words turn kind: compliments, warm letters, a graceful "
        "way with hard news. Make peace, write to someone you love, choose the colour for the "
        "room. Charm can slide into flattery; mean what you say."},
    KeyedReading{
        PointId::Mercury, PointId::Venus, ReadingFamily::Easy,
        "For these days Mercury sweetens your Venus: conversation is pleasant, negotiations go "
        "smoothly, and the tactful word is at hand. Plan the gathering, write the card, draft the "
        "design. Pleasantness can dodge what needs saying; say it kindly, but say it."},
    KeyedReading{
        PointId::Mercury, PointId::Venus, ReadingFamily::Hard,
        "While this lasts, Mercury rubs against your Venus: a word in love or friendship can "
        "land wrong, or a shared purchase turn into a debate. The awkwardness asks you to say "
        "what you value rather than hint at it, and plain talk clears the air."},
    KeyedReading{
        PointId::Mercury, PointId::Mars, ReadingFamily::Conjunction,
        "While Mercury passes over your Mars, the mind is quick and combative: you argue well, "
        "decide fast, speak sharply. Debate, negotiate, cut through the delay. Words can cut "
        "people too; pick the arguments that matter."},
    KeyedReading{
        PointId::Mercury, PointId::Mars, ReadingFamily::Easy,
        "As it comes exact, Mercury sharpens your Mars: thought turns quickly into action, and "
        "clear words push a plan through. Make the case, start the project, settle the dispute. "
        "Speed can skip details; glance back once before you sign off."},
    KeyedReading{
        PointId::Mercury, PointId::Mars, ReadingFamily::Hard,
        "Until it passes, Mercury provokes your Mars: arguments flare, emails read harsher than "
        "they were meant, and haste breeds slips. The heat sharpens your case if you slow down "
        "and check; put it into one clear argument."},
    KeyedReading{
        PointId::Mercury, PointId::Jupiter, ReadingFamily::Conjunction,
        "Thinking grows large while Mercury crosses your Jupiter: plans, travel ideas, a generous "
        "sense of what is possible. Learn, teach, pitch something bold. The broad view can skip "
        "the detail; read the fine print."},
    KeyedReading{
        PointId::Mercury, PointId::Jupiter, ReadingFamily::Easy,
        "Until it passes, Mercury opens your Jupiter: learning comes easily, good news travels, "
        "and persuasion works. Send the manuscript, book the course, map the journey. Optimism "
        "can outrun the facts; check the figures before you promise."},
    KeyedReading{
        PointId::Mercury, PointId::Jupiter, ReadingFamily::Hard,
        "For these days Mercury strains against your Jupiter: you may say too much, promise too "
        "much, or lose the detail in the big picture. The overreach is also a chance to test "
        "your beliefs against the facts, and what survives is worth holding."},
    KeyedReading{
        PointId::Mercury, PointId::Saturn, ReadingFamily::Conjunction,
        "In the days Mercury spends on your Saturn, thinking turns serious: careful, critical, "
        "perhaps gloomy. It suits planning, paperwork and precise work. Doubt can freeze your "
        "words; state the worry, then decide."},
    KeyedReading{
        PointId::Mercury, PointId::Saturn, ReadingFamily::Easy,
        "While this lasts, Mercury steadies your Saturn: concentration is good, and plans gain "
        "structure. Forms, revision and the talk that needs a cool head all go better now. Care "
        "can harden into caution that stalls; set a deadline and keep it."},
    KeyedReading{
        PointId::Mercury, PointId::Saturn, ReadingFamily::Hard,
        "Until it passes, Mercury runs up against your Saturn: delayed replies, a critical voice, "
        "a plan blocked by rules. The going is slow but thorough; it shows the weak points in "
        "your thinking, and shoring them up now makes the plan sound."},
    KeyedReading{
        PointId::Mercury, PointId::Uranus, ReadingFamily::Conjunction,
        "As Mercury crosses your Uranus, ideas strike like sparks: sudden insights, odd news, "
        "an urge to say what no one expects. It suits invention and rethinking. The mind races; "
        "write the ideas down before acting on them."},
    KeyedReading{
        PointId::Mercury, PointId::Uranus, ReadingFamily::Easy,
        "For these days Mercury quickens your Uranus: fresh ideas, surprising conversations, a "
        "new tool that makes sense at once. Learning something unfamiliar suits it, a language "
        "app, a gadget, a new route. Ten bright ideas in a morning can leave none finished; "
        "follow one through."},
    KeyedReading{
        PointId::Mercury, PointId::Uranus, ReadingFamily::Hard,
        "While this lasts, Mercury jolts your Uranus: nerves are taut, plans change at short "
        "notice, and you may blurt out what you meant to keep. Original ideas come with the "
        "jolt; pause before speaking, and keep the ones that hold up."},
    KeyedReading{
        PointId::Mercury, PointId::Neptune, ReadingFamily::Conjunction,
        "While Mercury passes over your Neptune, thought turns to images: imagination is rich, "
        "intuition sharp, facts hazier. It suits poetry, music and listening. Details slip now; "
        "double-check the dates and names."},
    KeyedReading{
        PointId::Mercury, PointId::Neptune, ReadingFamily::Easy,
        "As it comes exact, Mercury softens your Neptune: words find their poetry, and you "
        "sense what is left unsaid. It favours creative writing and kind conversations. "
        "Dreaminess can blur a plan; put one clear step on paper."},
    KeyedReading{
        PointId::Mercury, PointId::Neptune, ReadingFamily::Hard,
        "While this lasts, Mercury clouds your Neptune: misunderstandings, vague plans, a "
        "message that means more or less than it says. Keep to facts and confirm what matters; "
        "the haze also carries hunches worth noting once it clears."},
    KeyedReading{
        PointId::Mercury, PointId::Pluto, ReadingFamily::Conjunction,
        "While Mercury crosses your Pluto, the mind digs: research, hard questions, a "
        "conversation that goes to the root. It suits uncovering and persuading. Thoughts can "
        "circle obsessively; know when the question has been answered."},
    KeyedReading{
        PointId::Mercury, PointId::Pluto, ReadingFamily::Easy,
        "Until it passes, Mercury deepens your Pluto: focus is strong, you see through pretence, "
        "and persuasive words come easily. The archive, the fine detail of a report, the question "
        "nobody has asked all yield to you. Insight can be used to win; use it to understand."},
    KeyedReading{
        PointId::Mercury, PointId::Pluto, ReadingFamily::Hard,
        "For these days Mercury needles your Pluto: talk can turn to contests of control, to "
        "secrets, or to a thought you cannot stop turning over. The pressure brings the hidden to "
        "light; say what you know plainly, without steering how it lands."},
    KeyedReading{
        PointId::Mercury, PointId::NorthNode, ReadingFamily::Conjunction,
        "In the days Mercury spends on your North Node, a conversation, a book or a stray idea "
        "points towards the way you want to grow. Find out what the next step requires. Talk of "
        "change comes easily; turn it into one concrete plan."},
    KeyedReading{
        PointId::Mercury, PointId::NorthNode, ReadingFamily::Easy,
        "While this lasts, Mercury supports your North Node: learning and talking carry you in "
        "the direction of growth, and the right information comes to hand. An article saved is "
        "not a step taken; act on one thing you learn."},
    KeyedReading{
        PointId::Mercury, PointId::NorthNode, ReadingFamily::Hard,
        "Until it passes, Mercury rubs against your North Node: familiar opinions and a new "
        "direction argue, and you may talk yourself back into old habits. Listen to the "
        "argument; it shows which ideas hold you back from growing."},
    KeyedReading{
        PointId::Mercury, PointId::Lilith, ReadingFamily::Conjunction,
        "As Mercury crosses your Lilith, the unsaid wants saying: words for what you have "
        "refused to accept, or a blunt truth you usually swallow. Write honestly. The edge can "
        "cut deeper than you mean; choose your listeners."},
    KeyedReading{
        PointId::Mercury, PointId::Lilith, ReadingFamily::Easy,
        "For these days Mercury eases your Lilith: you find words for your untamed side, and "
        "speaking your mind feels natural. It favours frank writing and a clear no. Frankness "
        "is a gift; spend it where it helps."},
    KeyedReading{
        PointId::Mercury, PointId::Lilith, ReadingFamily::Hard,
        "While this lasts, Mercury grates on your Lilith: you may bristle at being corrected, "
        "silenced or talked down to, and words turn sharp. The bristling shows where you refuse "
        "to submit, and putting that refusal into calm words gives it force."},
    KeyedReading{
        PointId::Mercury, PointId::Chiron, ReadingFamily::Conjunction,
        "While Mercury passes over your Chiron, talk turns to old hurts: a remark touches a "
        "sore spot, or you find words for something long unspoken. Teach, counsel, listen well. "
        "Speak of the wound where it is safe to do so."},
    KeyedReading{PointId::Mercury, PointId::Chiron, ReadingFamily::Easy,
                 "For these days Mercury eases your Chiron: you can talk about what hurt without "
                 "reopening it, and what you say helps others. A younger colleague, or a friend "
                 "going through what you once did, can gain from your words. Words alone can stop "
                 "short; do one thing that mends."},
    KeyedReading{
        PointId::Mercury, PointId::Chiron, ReadingFamily::Hard,
        "As it comes exact, Mercury presses on your Chiron: criticism stings, misunderstandings "
        "touch old doubts, and you may feel unheard. Say once and plainly what hurt; the words "
        "you find for it now can later help someone else find theirs."},
    KeyedReading{
        PointId::Mercury, PointId::Ascendant, ReadingFamily::Conjunction,
        "With Mercury on your Ascendant, you come across as quick and talkative: first "
        "impressions rest on what you say. It suits interviews, calls and short trips. Nerves can "
        "show as chatter; slow down."},
    KeyedReading{
        PointId::Mercury, PointId::Ascendant, ReadingFamily::Easy,
        "Until it passes, Mercury eases your Ascendant: you express yourself well, and people "
        "find you easy to talk to. Introduce yourself, give the talk. Fluency can skim the "
        "surface; let people see some depth."},
    KeyedReading{
        PointId::Mercury, PointId::Ascendant, ReadingFamily::Hard,
        "For these days Mercury grates on your Ascendant: your words and your manner send mixed "
        "signals, and people can misread you. The confusion asks you to say what you mean in so "
        "many words, and teaches you how you come across."},
    KeyedReading{
        PointId::Mercury, PointId::Midheaven, ReadingFamily::Conjunction,
        "In the days Mercury spends on your Midheaven, work fills with talk: calls, emails, "
        "plans about your career. Present your ideas to the people who shape your standing. "
        "Busy is not the same as productive; choose what gets your attention."},
    KeyedReading{
        PointId::Mercury, PointId::Midheaven, ReadingFamily::Easy,
        "While this lasts, Mercury supports your Midheaven: your ideas are heard at work, and a "
        "well-put word helps your reputation. It favours proposals and applications. Talk can "
        "stop at talk; follow the idea with a deed."},
    KeyedReading{
        PointId::Mercury, PointId::Midheaven, ReadingFamily::Hard,
        "Until it passes, Mercury presses on your Midheaven: a crossed wire at work, or private "
        "errands crowding the working day. A quick, plain correction protects your standing "
        "better than silence, and the habit of confirming in writing outlasts these days."},
    // The transiting Venus.
    KeyedReading{
        PointId::Venus, PointId::Sun, ReadingFamily::Conjunction,
        "While Venus crosses your Sun, you come across as easy to like and can go easy on "
        "yourself: people drift towards you at the party, and pleasure asks for little effort. "
        "Say yes to the long lunch, then get back to the desk; these days favour delight more "
        "than discipline."},
    KeyedReading{
        PointId::Venus, PointId::Sun, ReadingFamily::Easy,
        "Affection, invitations and good company find you with little asking for as long as "
        "this lasts, and creative work goes sweetly. The pleasure can make the week idle; let "
        "it carry you towards something you actually want."},
    KeyedReading{
        PointId::Venus, PointId::Sun, ReadingFamily::Hard,
        "Until this passes, Venus rubs against your Sun: you may agree to the dinner you did "
        "not want, or buy a comfort you do not need, to keep things pleasant. The discomfort "
        "asks what you really value, and a clear answer makes your warmth more genuine."},
    KeyedReading{
        PointId::Venus, PointId::Moon, ReadingFamily::Conjunction,
        "Home feels tender as Venus crosses your Moon: fresh flowers on the sill, a call with "
        "family that runs long, a wish to make the rooms lovely. Nurture and let yourself be "
        "nurtured, with an eye on the evenings that melt into the sofa."},
    KeyedReading{
        PointId::Venus, PointId::Moon, ReadingFamily::Easy,
        "For these days Venus eases your Moon: feelings are gentle and home is a pleasure to be "
        "in, good for hosting or for making up after a quarrel. Such soft air can tempt you to "
        "skip a needed talk; have it while the air is kind."},
    KeyedReading{
        PointId::Venus, PointId::Moon, ReadingFamily::Hard,
        "While this lasts, Venus pulls at your Moon: you may feel under-loved, or want more "
        "comfort than anyone offers, and moods gather around a partner or family. The ache "
        "shows what you need; asking gently beats waiting to be guessed."},
    KeyedReading{
        PointId::Venus, PointId::Mercury, ReadingFamily::Conjunction,
        "Words grow gracious as Venus crosses your Mercury: the thank-you note, the compliment "
        "that lands, the tactful way with hard news. A fine few days to write or negotiate. "
        "Sweet words can skip the truth; keep them honest."},
    KeyedReading{
        PointId::Venus, PointId::Mercury, ReadingFamily::Easy,
        "For these days Venus sweetens your Mercury, and the right word for a delicate matter "
        "comes to hand, in a letter, a pitch or a toast. Charm can drift into chatter; spend it "
        "on what needs saying."},
    KeyedReading{
        PointId::Venus, PointId::Mercury, ReadingFamily::Hard,
        "Until it passes, Venus rubs against your Mercury: tact and honesty pull different "
        "ways, and a kind word can come out crooked. The awkwardness teaches you to say hard "
        "things gracefully, a skill that outlasts these days."},
    KeyedReading{
        PointId::Venus, PointId::Venus, ReadingFamily::Conjunction,
        "Venus comes back to its birth place, and while it lingers your own way of loving and "
        "enjoying is renewed: taste, affection and pleasure feel like yours again. Buy the print, "
        "book the table, say what you want in love, without overdoing any of it."},
    KeyedReading{
        PointId::Venus, PointId::Venus, ReadingFamily::Easy,
        "While this lasts, Venus moves in step with your own Venus: affection flows, your eye is "
        "sure, and a gift chosen now tends to please. Love that runs this smoothly is easy to "
        "take as read; offer one gesture that costs you some thought."},
    KeyedReading{
        PointId::Venus, PointId::Venus, ReadingFamily::Hard,
        "For these days Venus grates on your own Venus: what you want in love or pleasure feels "
        "out of reach, or someone else's taste questions yours. The challenge helps you see "
        "what you truly value, and a choice made on that is sound."},
    KeyedReading{
        PointId::Venus, PointId::Mars, ReadingFamily::Conjunction,
        "Desire rises as Venus crosses your Mars: a flirtation across the room, a wish to act "
        "on what you want, creative drive with some heat in it. Passion can turn impatient; let "
        "the other person set half the pace."},
    KeyedReading{
        PointId::Venus, PointId::Mars, ReadingFamily::Easy,
        "For as long as this lasts, Venus warms your Mars: charm and drive pull in harness, so "
        "you can go after what you want without shoving. Dates, team projects and art go well. "
        "Ease keeps you on the pleasant path; take one steeper one too."},
    KeyedReading{
        PointId::Venus, PointId::Mars, ReadingFamily::Hard,
        "While Venus provokes your Mars, attraction and irritation mix: a partner's plans cut "
        "across yours, and the spark can go either way. The heat brings passion as well as "
        "argument; saying plainly what you want keeps it warm."},
    KeyedReading{PointId::Venus, PointId::Jupiter, ReadingFamily::Conjunction,
                 "Generosity blooms as Venus crosses your Jupiter: celebrations, gifts given and "
                 "received, a table that fills with friends. Enjoy it and be kind. Excess comes as "
                 "easily; the plate and the bill can both grow large."},
    KeyedReading{
        PointId::Venus, PointId::Jupiter, ReadingFamily::Easy,
        "For these days Venus lifts your Jupiter: social luck, warmth and pleasure arrive without "
        "effort, good for a party, a trip or a creative venture. Good times can tip into the "
        "third late night in a row; leave room in the week to enjoy what you already have."},
    KeyedReading{
        PointId::Venus, PointId::Jupiter, ReadingFamily::Hard,
        "Until this passes, Venus strains against your Jupiter: one more evening out feels "
        "harmless, and you may promise more than you meant, in love or in spending. The pull "
        "asks for measure, and enjoyment kept to scale tastes sweeter."},
    KeyedReading{
        PointId::Venus, PointId::Saturn, ReadingFamily::Conjunction,
        "Love turns serious while Venus crosses your Saturn: a commitment is weighed, affection "
        "feels restrained or put to the test. Show your loyalty and set clear terms. Loneliness "
        "can visit these days; what stays after it is real."},
    KeyedReading{
        PointId::Venus, PointId::Saturn, ReadingFamily::Easy,
        "Through this stretch Venus steadies your Saturn: relationships feel solid, and pleasure "
        "takes a shape you can rely on, a standing dinner, a craft practised with patience. "
        "Steadiness can turn dull; add some play."},
    KeyedReading{
        PointId::Venus, PointId::Saturn, ReadingFamily::Hard,
        "While this lasts, Venus chafes against your Saturn: affection feels rationed, a partner "
        "distant, a pleasure postponed for duty. The chill asks for clearer terms in a "
        "relationship, and setting them builds trust."},
    KeyedReading{PointId::Venus, PointId::Uranus, ReadingFamily::Conjunction,
                 "Love wants novelty as Venus crosses your Uranus: a sudden attraction, an odd new "
                 "taste, a wish for more room in a relationship. Try something different together. "
                 "Infatuations flare and fade; enjoy them without upending your life."},
    KeyedReading{
        PointId::Venus, PointId::Uranus, ReadingFamily::Easy,
        "For these days Venus sparks your Uranus: a pleasant surprise in love or friendship, a "
        "fresh style, an outing off the usual map. The thrill fades fast; keep what proves "
        "worth keeping."},
    KeyedReading{
        PointId::Venus, PointId::Uranus, ReadingFamily::Hard,
        "Until it passes, Venus jolts your Uranus: restlessness in love, a sudden urge for "
        "space, a friend who acts out of character. The jolt shows where closeness feels "
        "confining; asking for room openly keeps the bond intact."},
    KeyedReading{
        PointId::Venus, PointId::Neptune, ReadingFamily::Conjunction,
        "Romance turns dreamy while Venus crosses your Neptune: music that moves you, love seen "
        "through a soft lens, compassion that comes unbidden. Make something, or be kind. The "
        "soft lens can mislead; look at people as they are."},
    KeyedReading{
        PointId::Venus, PointId::Neptune, ReadingFamily::Easy,
        "For these days Venus softens your Neptune: tenderness, imagination and beauty come "
        "easily, in a sketchbook, a concert, a gentle romance. The haze can make you drift; let "
        "it inspire one thing you make."},
    KeyedReading{
        PointId::Venus, PointId::Neptune, ReadingFamily::Hard,
        "While this lasts, Venus clouds your Neptune: you may idealise someone, feel let down, "
        "or take pity for love. The blur asks for clear eyes, and a love that survives them is "
        "worth more."},
    KeyedReading{PointId::Venus, PointId::Pluto, ReadingFamily::Conjunction,
                 "Attraction runs deep as Venus crosses your Pluto: passion, intensity, perhaps a "
                 "flicker of jealousy. Honest intimacy thrives in these days. Desire can turn "
                 "possessive; hold it with an open hand."},
    KeyedReading{
        PointId::Venus, PointId::Pluto, ReadingFamily::Easy,
        "Over these days Venus deepens your Pluto: love has staying power, and facing what was "
        "left unsaid can renew a bond. It suits intimacy and serious creative work. Intensity can "
        "sink into brooding; keep some lightness."},
    KeyedReading{
        PointId::Venus, PointId::Pluto, ReadingFamily::Hard,
        "Until this passes, Venus works on your Pluto: jealousy, control or a silent test of "
        "loyalty can surface in love, a late reply read as a verdict. The strain shows how much "
        "the bond matters to you, and trust offered rather than tested deepens it."},
    KeyedReading{PointId::Venus, PointId::NorthNode, ReadingFamily::Conjunction,
                 "As Venus crosses your North Node, a friendship, a pleasure or a new taste points "
                 "towards the way you are growing. Follow the attraction that stretches you. The "
                 "familiar comfort pulls back; notice when it does."},
    KeyedReading{
        PointId::Venus, PointId::NorthNode, ReadingFamily::Easy,
        "For these days Venus supports your North Node: people who help you grow are easy to "
        "find, and what you enjoy leads somewhere good. New friendships flourish. Good company "
        "can become an end in itself; ask now and then where it is taking you."},
    KeyedReading{
        PointId::Venus, PointId::NorthNode, ReadingFamily::Hard,
        "While this lasts, Venus rubs against your North Node: an old comfort and a new direction "
        "compete for your affection, the friends who like you as you were and the circle that "
        "stretches you. Keep the old company, but give the new some evenings too; the pleasure "
        "that asks more of you is the one you grow by."},
    KeyedReading{
        PointId::Venus, PointId::Lilith, ReadingFamily::Conjunction,
        "Desire refuses to be polite as Venus crosses your Lilith: attraction to the forbidden, "
        "beauty on your own terms, a wish to be loved untamed. Own your wants. Provocation "
        "comes easily; choose it knowingly."},
    KeyedReading{
        PointId::Venus, PointId::Lilith, ReadingFamily::Easy,
        "For these days Venus eases your Lilith: you feel free to like what you like and love as "
        "you love, without apology, and creative daring comes naturally. Liking without apology "
        "can tread on a partner's taste; leave room for theirs."},
    KeyedReading{
        PointId::Venus, PointId::Lilith, ReadingFamily::Hard,
        "Until it passes, Venus grates on your Lilith: you may resent being expected to please, "
        "or feel your desires judged. The resentment shows where you refuse to trim your "
        "nature, and saying so plainly keeps love honest."},
    KeyedReading{
        PointId::Venus, PointId::Chiron, ReadingFamily::Conjunction,
        "As Venus crosses your Chiron, old hurts in love or self-worth surface, softened by "
        "kindness. Tend the wound with beauty, art or affection, given and received. "
        "Sensitivity runs high; be gentle with yourself and others."},
    KeyedReading{
        PointId::Venus, PointId::Chiron, ReadingFamily::Easy,
        "For these days Venus soothes your Chiron: affection eases old hurts, and your kindness "
        "reaches others, in a friendship or a shared piece of creative repair. Soothing can stop "
        "at the surface; let one tender talk go further than usual."},
    KeyedReading{
        PointId::Venus, PointId::Chiron, ReadingFamily::Hard,
        "While this lasts, Venus grazes your Chiron: a careless word in love, or a doubt about "
        "your worth, can sting. Offer the sore place the tenderness you would give a friend's, "
        "and these days leave you gentler with others too."},
    KeyedReading{
        PointId::Venus, PointId::Ascendant, ReadingFamily::Conjunction,
        "As Venus crosses your Ascendant, you can look and feel more attractive: charm comes "
        "easily, people warm to you, and a new look suits you. First impressions tend to go "
        "well. Vanity can creep in; enjoy the glow anyway."},
    KeyedReading{
        PointId::Venus, PointId::Ascendant, ReadingFamily::Easy,
        "For these days Venus graces your Ascendant: you come across as pleasant and "
        "approachable, and introductions run smoothly. Charm can stand in for substance; let it "
        "carry something real."},
    KeyedReading{
        PointId::Venus, PointId::Ascendant, ReadingFamily::Hard,
        "Until this passes, Venus rubs against your Ascendant: how you want to be seen and how "
        "you come across differ, and you may try too hard to please. The mismatch helps you "
        "present yourself honestly, which is more attractive anyway."},
    KeyedReading{
        PointId::Venus, PointId::Midheaven, ReadingFamily::Conjunction,
        "Your public image warms as Venus crosses your Midheaven: colleagues warm to you, and "
        "recognition can come gently. Network, or ask the favour. Popularity can become the "
        "goal; keep to your work."},
    KeyedReading{
        PointId::Venus, PointId::Midheaven, ReadingFamily::Easy,
        "For these days Venus supports your Midheaven: goodwill at work, pleasant dealings with "
        "superiors, a chance to show your taste in a proposal or a design. Goodwill left unspent "
        "fades with the week; ask for the introduction while it is there."},
    KeyedReading{
        PointId::Venus, PointId::Midheaven, ReadingFamily::Hard,
        "While this lasts, Venus tugs at your Midheaven: love and career compete for the same "
        "evenings, or being liked conflicts with your duty. The tug asks you to weigh what you "
        "value, and the choice strengthens your standing."},
    // The transiting Mars.
    KeyedReading{
        PointId::Mars, PointId::Sun, ReadingFamily::Conjunction,
        "Energy surges while Mars crosses your Sun: courage, ambition, a wish to win. Start "
        "what needs force, take the lead, make the call you have dodged. Anger and haste come "
        "with the surge; spend them on a task rather than a person."},
    KeyedReading{
        PointId::Mars, PointId::Sun, ReadingFamily::Easy,
        "While Mars fuels your Sun, you act with confidence, and effort pays off on the pitch, at "
        "the desk or in the workshop. The drive can run past the point of rest; stop while you "
        "are still ahead."},
    KeyedReading{
        PointId::Mars, PointId::Sun, ReadingFamily::Hard,
        "Until this passes, Mars butts against your Sun: clashes with others, a sense of being "
        "blocked, a fuse shorter than usual. The resistance is energy too; put it into one clear "
        "goal and you come out of these days stronger."},
    KeyedReading{
        PointId::Mars, PointId::Moon, ReadingFamily::Conjunction,
        "Feelings heat up as Mars crosses your Moon: irritability, a fierce wish to protect "
        "your own, a sudden urge to repaint the kitchen. Tempers can flare at home; speak "
        "plainly and early rather than late and loud."},
    KeyedReading{
        PointId::Mars, PointId::Moon, ReadingFamily::Easy,
        "While this lasts, Mars energises your Moon: you act on your feelings with courage, and "
        "the household project finally gets done. Zeal can flatten gentler people around you; "
        "keep a soft hand."},
    KeyedReading{
        PointId::Mars, PointId::Moon, ReadingFamily::Hard,
        "Through these days Mars provokes your Moon: moods run hot, a quarrel at home needs "
        "little fuel, and you may feel defensive. The heat shows what you need to protect, and "
        "saying so calmly puts it to good use."},
    KeyedReading{
        PointId::Mars, PointId::Mercury, ReadingFamily::Conjunction,
        "Thinking turns quick and sharp as Mars crosses your Mercury: you argue, decide and "
        "speak with force. Debate, draft the bold plan, cut through the dithering. Words can "
        "wound; count to three before the reply goes out."},
    KeyedReading{
        PointId::Mars, PointId::Mercury, ReadingFamily::Easy,
        "For these days Mars sharpens your Mercury: the mind is keen, and a plan can be pushed "
        "through with clear words, good for negotiating or writing to a deadline. Haste can "
        "skip the listening; let others finish."},
    KeyedReading{
        PointId::Mars, PointId::Mercury, ReadingFamily::Hard,
        "While this lasts, Mars provokes your Mercury: arguments flare, messages turn sharp, "
        "and haste breeds errors. Slowed down, the same heat sharpens your reasoning; choose "
        "the argument worth having."},
    KeyedReading{
        PointId::Mars, PointId::Venus, ReadingFamily::Conjunction,
        "Desire heats up as Mars crosses your Venus: attraction, passion, a wish to pursue what "
        "you love, and creative work with fire in it. Impatience can push too hard; leave the "
        "other person room to come forward."},
    KeyedReading{
        PointId::Mars, PointId::Venus, ReadingFamily::Easy,
        "For these days Mars warms your Venus: passion and charm pull together, and you can go "
        "after what you love with grace, a bold invitation or a canvas started. The pursuit can "
        "become a game of its own; make sure you still want what you chase."},
    KeyedReading{
        PointId::Mars, PointId::Venus, ReadingFamily::Hard,
        "Until it passes, Mars provokes your Venus: desire and irritation mix, and love comes "
        "with some grit, a row about whose turn it is. The heat can turn passionate or "
        "quarrelsome; saying clearly what you want keeps it warm."},
    KeyedReading{
        PointId::Mars, PointId::Mars, ReadingFamily::Conjunction,
        "Mars returns to its birth place, opening a new round of your drive, roughly every two "
        "years: energy, ambition and a wish to begin. Start what needs courage and stamina. The "
        "surge can make you impatient; pace it over the coming weeks."},
    KeyedReading{
        PointId::Mars, PointId::Mars, ReadingFamily::Easy,
        "While this lasts, Mars moves in step with your own Mars: effort is smooth, and what you "
        "start tends to gather momentum. Hands-on work and bold moves suit it, the shelves put "
        "up, the first push on a long project. Momentum can carry you past the point you meant to "
        "stop; set that point before you begin."},
    KeyedReading{
        PointId::Mars, PointId::Mars, ReadingFamily::Hard,
        "For these days Mars strains against your own Mars, a checkpoint in its two-year round: "
        "frustration, conflict, a sense that your efforts are stuck. The stalling hints that "
        "your approach needs changing, and a new tactic gains ground."},
    KeyedReading{
        PointId::Mars, PointId::Jupiter, ReadingFamily::Conjunction,
        "Ambition expands while Mars crosses your Jupiter: you pitch the bigger version of the "
        "plan, say yes to the trip at short notice, back yourself against a stronger rival. Act "
        "on an opening. Overconfidence can overreach; measure the leap before you take it."},
    KeyedReading{
        PointId::Mars, PointId::Jupiter, ReadingFamily::Easy,
        "For these days Mars fuels your Jupiter: effort finds opportunity, and confident action "
        "pays, on a journey, in a contest, in a venture you have been weighing. Confidence "
        "running this high can skip the checks; make them anyway."},
    KeyedReading{
        PointId::Mars, PointId::Jupiter, ReadingFamily::Hard,
        "Until this passes, Mars strains against your Jupiter: you may overdo, overpromise, or "
        "quarrel over beliefs at the dinner table. The restlessness is fuel; aimed at one goal, "
        "it becomes progress."},
    KeyedReading{
        PointId::Mars, PointId::Saturn, ReadingFamily::Conjunction,
        "Drive hits limits as Mars crosses your Saturn: delays, red tape, effort that feels "
        "uphill all the way. These days suit disciplined, sustained work. Anger at obstacles is "
        "understandable; patience gets further."},
    KeyedReading{
        PointId::Mars, PointId::Saturn, ReadingFamily::Easy,
        "While this lasts, Mars steadies your Saturn: disciplined effort pays, and you can work "
        "long and hard with focus, on a repair, a build, a plan. The grind can make you rigid; "
        "rest as well."},
    KeyedReading{
        PointId::Mars, PointId::Saturn, ReadingFamily::Hard,
        "For these days Mars grinds against your Saturn: frustration mounts as effort runs into "
        "rules, bosses or your own doubts, the form sent back a third time. Progress is slow, and "
        "persistent effort through it builds strength that lasts."},
    KeyedReading{
        PointId::Mars, PointId::Uranus, ReadingFamily::Conjunction,
        "Energy comes in bursts while Mars crosses your Uranus: impulses to break free, act "
        "now, take the risk. Start something new and bold. Haste and restlessness can lead to "
        "rash moves; think twice before the leap."},
    KeyedReading{
        PointId::Mars, PointId::Uranus, ReadingFamily::Easy,
        "Bold ideas become action while Mars sparks your Uranus, and change comes easily, a new "
        "method tried, a stuck routine kicked loose. Excitement can scatter you; finish what you "
        "start."},
    KeyedReading{
        PointId::Mars, PointId::Uranus, ReadingFamily::Hard,
        "Until it passes, Mars jolts your Uranus: impatience, sudden conflicts, an urge to "
        "rebel against any rule in sight. The charge is volatile; channel it into a change you "
        "choose rather than one forced on you."},
    KeyedReading{
        PointId::Mars, PointId::Neptune, ReadingFamily::Conjunction,
        "Drive goes soft-edged as Mars crosses your Neptune: energy for art, compassion or a "
        "cause, less for competition. Act on an inspiration. Motivation can evaporate; set a "
        "modest goal you can reach."},
    KeyedReading{
        PointId::Mars, PointId::Neptune, ReadingFamily::Easy,
        "While this lasts, Mars supports your Neptune: you can act on ideals and imagination, "
        "in creative work, in helping others, in a quiet practice. Dreaminess can weaken "
        "follow-through; keep going past the first burst."},
    KeyedReading{
        PointId::Mars, PointId::Neptune, ReadingFamily::Hard,
        "For these days Mars clouds your Neptune: energy is scattered, motives unclear, and "
        "effort can seem to sink into sand. The fog asks you to act on what you know, not on "
        "what you hope; clarity comes with each honest step."},
    KeyedReading{
        PointId::Mars, PointId::Pluto, ReadingFamily::Conjunction,
        "Intensity builds as Mars crosses your Pluto: determination, power, a drive to win, the "
        "kind that strips a room back to bare walls in a weekend. Deep work and tough "
        "challenges suit these days. Contests of control can erupt; choose your battles."},
    KeyedReading{
        PointId::Mars, PointId::Pluto, ReadingFamily::Easy,
        "While Mars deepens your Pluto, determination is strong, and concentrated effort can "
        "overhaul a situation from the ground up, the clear-out, the rebuild. Intensity can "
        "become ruthless; keep it fair."},
    KeyedReading{
        PointId::Mars, PointId::Pluto, ReadingFamily::Hard,
        "Until this passes, Mars locks horns with your Pluto: a standoff over who decides, "
        "pressure from someone who refuses to back down. The pressure shows what you are fighting "
        "for; use it for lasting change, not for winning the standoff."},
    KeyedReading{
        PointId::Mars, PointId::NorthNode, ReadingFamily::Conjunction,
        "As Mars crosses your North Node, drive points towards growth: the courage to apply, "
        "enrol, or say the first sentence in a new language. Act on the new direction. "
        "Impatience can rush it; keep a pace you can hold."},
    KeyedReading{
        PointId::Mars, PointId::NorthNode, ReadingFamily::Easy,
        "For these days Mars backs your North Node: the form for the course gets filled in, the "
        "first call to a new circle gets made, and a step towards growth takes less nerve than "
        "usual. Energy can scatter across too many new roads; walk one of them."},
    KeyedReading{
        PointId::Mars, PointId::NorthNode, ReadingFamily::Hard,
        "While this lasts, Mars strains against your North Node: you may find yourself fighting "
        "the old battles, the same argument with the same person, while the new road stalls at "
        "the first hurdle. The frustration is a signal; put the energy into one step in the new "
        "direction, not into the old fight."},
    KeyedReading{
        PointId::Mars, PointId::Lilith, ReadingFamily::Conjunction,
        "The untamed side wants action as Mars crosses your Lilith: anger at being controlled, "
        "a fierce refusal to submit, the door you stop holding open for someone who takes it "
        "for granted. Stand your ground. Rage can overshoot; aim it carefully."},
    KeyedReading{
        PointId::Mars, PointId::Lilith, ReadingFamily::Easy,
        "For these days Mars supports your Lilith: you can act boldly on your own terms, with "
        "the solo trip booked, the rule you quietly stop obeying. Boldness can turn careless; "
        "mind the people around you."},
    KeyedReading{
        PointId::Mars, PointId::Lilith, ReadingFamily::Hard,
        "Until it passes, Mars grates on your Lilith: you may clash with whoever tries to rein "
        "you in, a rule laid down without reason, a partner who decides for you, or swallow an "
        "anger that then leaks out sideways. The clash marks your limits; one firm refusal made "
        "early spares you ten sharp ones later."},
    KeyedReading{
        PointId::Mars, PointId::Chiron, ReadingFamily::Conjunction,
        "Old hurts can flare as Mars crosses your Chiron, stirring anger or defence, an old "
        "insult replayed on the journey home. Put the energy into tending, your own or someone "
        "else's. Push gently; forcing can reopen the hurt."},
    KeyedReading{
        PointId::Mars, PointId::Chiron, ReadingFamily::Easy,
        "While this lasts, Mars lends your Chiron some nerve: the courage to face an old hurt, to "
        "raise the subject everyone steps around, to stand up for someone who is struggling. "
        "Helping others can use up the courage meant for your own sore spot; keep some for it."},
    KeyedReading{
        PointId::Mars, PointId::Chiron, ReadingFamily::Hard,
        "For these days Mars prods your Chiron: a sore point is provoked, and you may react "
        "sharply. Pause before striking back; choosing care over anger while it lasts is the very "
        "skill this sore place has taught you."},
    KeyedReading{
        PointId::Mars, PointId::Ascendant, ReadingFamily::Conjunction,
        "You can come across as forceful while Mars crosses your Ascendant: a quicker stride, a "
        "firmer voice, a readiness to act. Take the lead. People can find you abrupt; watch "
        "your edge."},
    KeyedReading{
        PointId::Mars, PointId::Ascendant, ReadingFamily::Easy,
        "For these days Mars energises your Ascendant: you walk in ready, speak first, and people "
        "tend to follow the lead you offer at the meeting or on the team. The same push can run "
        "over quieter voices; ask before you decide for the group."},
    KeyedReading{
        PointId::Mars, PointId::Ascendant, ReadingFamily::Hard,
        "Until this passes, Mars provokes your Ascendant: friction with others, or a sense of "
        "being challenged the moment you walk in. The friction shows how you come across; "
        "assert yourself with care."},
    KeyedReading{
        PointId::Mars, PointId::Midheaven, ReadingFamily::Conjunction,
        "Ambition drives your career as Mars crosses your Midheaven: a push to achieve and be "
        "seen, the hand raised for the hard project. Take the initiative. Conflicts with "
        "superiors can arise; pick the fight that matters."},
    KeyedReading{
        PointId::Mars, PointId::Midheaven, ReadingFamily::Easy,
        "While this lasts, Mars fuels your Midheaven: effort at work pays off, and initiative is "
        "welcome, the proposal pushed, the hard job volunteered for. Taking on every task on "
        "offer can stretch you thin; keep the one that shows what you do best."},
    KeyedReading{
        PointId::Mars, PointId::Midheaven, ReadingFamily::Hard,
        "For these days Mars pushes against your Midheaven: a manager who overrules you, a "
        "deadline moved up without asking, a temper carried home from work. Fighting the whole "
        "hierarchy rarely helps; a new tactic for one goal moves you forward."},
};

}  // namespace

std::span<const KeyedReading> quickTransitReadings() { return QuickTransitTable; }

}  // namespace zodrivel
