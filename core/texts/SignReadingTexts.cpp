// SPDX-License-Identifier: AGPL-3.0-or-later
// The ten bodies, the Ascendant and the Midheaven in each of the twelve signs (0 Aries ..
// 11 Pisces): natal readings, lasting tendencies, printed in the report before the aspects.
// A reading names only its own body or angle and its own sign.
#include "core/texts/PlacementReadings.h"

namespace zodrivel {

namespace {

const PlacementReading Readings[] = {
    {PointId::Sun, 0,
     "With the Sun in Aries, you come alive by starting things: the first move, the blank "
     "page, the door pushed open before anyone thought to knock. Your purpose grows through "
     "challenge and speed, and a week without something to aim at leaves you restless. The "
     "catch is a drawer full of half-finished beginnings. Your courage has something to show "
     "for itself when you stay past the exciting part."},
    {PointId::Sun, 1,
     "A Sun in Taurus builds a self slowly and means it to last. You trust what you can "
     "touch, taste and count, and you tend to know your worth best when your days have a "
     "settled rhythm and your hands are busy with something real. The same steadiness can "
     "harden into refusing to budge; choosing change before it is forced on you is how your "
     "strength stays supple."},
    {PointId::Sun, 2,
     "With the Sun in Gemini, you grow by asking, comparing and passing things on. Your week "
     "may hold three good conversations, two books half read and a plan sketched on a "
     "receipt. A quick, light mind connects people and ideas for you, and scattering is its "
     "price: the few threads you follow to the end are what let your curiosity add up to "
     "something."},
    {PointId::Sun, 3,
     "With the Sun in Cancer, your sense of who you are is bound up with the people and "
     "places you protect. You may be the one who keeps the spare key and cooks when someone "
     "has bad news. That care is real strength, though it can curl into a shell when you feel "
     "exposed. Say plainly what you need, and others get the chance to look after you too."},
    {PointId::Sun, 4,
     "The Sun in Leo lets you shine by giving something of yourself: a story told well, a "
     "party hosted with flair, praise handed out generously. You want your work to carry your "
     "signature and to be seen. The shadow is a pride that bruises easily when applause is "
     "late. On the days you make something purely because you enjoy it, your warmth needs "
     "nobody's permission."},
    {PointId::Sun, 5,
     "With the Sun in Virgo, you find yourself in doing things properly. You notice the "
     "misplaced comma and the faster route, and being useful gives you a quiet pride. The "
     "cost is a critic who rarely clocks off, aimed at yourself first; letting good enough be "
     "good enough on ordinary days frees your skill for the tasks that truly need it."},
    {PointId::Sun, 6,
     "With the Sun in Libra, you come into focus through other people: a conversation, a "
     "partnership, a shared project where each side gets its due. You have an eye for "
     "proportion, in a room or in an argument, and a knack for making peace. When even "
     "choosing a restaurant becomes a poll of everyone you know, settle your own view first; "
     "fairness with a spine suits you better than agreement."},
    {PointId::Sun, 7,
     "Born with the Sun in Scorpio, you live from the depths and prefer the truth to the "
     "polite version. You may hold few friendships but hold them hard, and you sense what is "
     "unsaid in a room. That intensity gives you staying power in a crisis. Secrecy and a "
     "long memory for hurt come with it, and they ease when you let one or two people in "
     "before you are wholly sure of them."},
    {PointId::Sun, 8,
     "With the Sun in Sagittarius, you grow by widening the map: a new country, a new "
     "subject, a conversation that runs until midnight about what life is for. You are "
     "candid, hopeful and quick to laugh. The snag is restlessness and a promise made bigger "
     "than the week can hold. Your faith gathers weight when one horizon is reached before "
     "the next is chased."},
    {PointId::Sun, 9,
     "Your Sun in Capricorn takes the long road and respects those who have walked it. You "
     "know how to plan, to wait and to carry responsibility, and yours is often the number "
     "people ring when something has to be done properly. Work can crowd out play, and rest "
     "tends to arrive only once everything is finished; building pleasure into the schedule, "
     "not after it, keeps ambition humane."},
    {PointId::Sun, 10,
     "For a Sun in Aquarius, becoming yourself means thinking for yourself. You may champion "
     "an unpopular idea at work, keep friends from every walk of life and bristle at any rule "
     "that cannot explain itself. Your gift is principle and an eye for the future; its cost "
     "is a cool distance when feelings get close, and letting people matter as much as ideas "
     "warms it."},
    {PointId::Sun, 11,
     "With the Sun in Pisces, your identity has soft edges: you pick up moods, music and "
     "other people's sorrows as if they were your own. Imagination and compassion come "
     "naturally, and you may help a stranger before you finish your own errands. Your own "
     "wishes can go missing, until a friend asks what you would like and you honestly do not "
     "know. A clear boundary and a daily anchor give your sensitivity somewhere to stand."},
    {PointId::Moon, 0,
     "With the Moon in Aries, your feelings arrive fast and hot and usually leave just as "
     "quickly. You are soothed by action: a brisk walk after an argument, a task tackled the "
     "moment it worries you. The risk is impatience with slower hearts, your own included; "
     "counting to ten before you answer gives others time to catch up with your honesty."},
    {PointId::Moon, 1,
     "The Moon in Taurus needs comfort it can touch: a good meal, a familiar chair, the same "
     "route home. Your moods are steady and your loyalty slow to shift, which makes you a "
     "calm presence when others panic. The trouble is clinging to what feels safe long after "
     "it has stopped feeding you. Taking a different road home once in a while, by choice, "
     "keeps your calm from setting into a rut."},
    {PointId::Moon, 2,
     "With the Moon in Gemini, you settle your feelings by talking them through, reading "
     "about them or texting a friend at odd hours. Variety soothes you, and a day with no new "
     "input can feel flat. Sometimes you explain a feeling rather than have it, and the chat "
     "runs on while the heart waits; sitting quietly with one emotion before naming it lets "
     "the two catch up."},
    {PointId::Moon, 3,
     "With the Moon in Cancer, feeling runs deep and close to the surface, and home is where "
     "you recover. You may sense a friend's trouble from one word on the phone and arrive "
     "with soup. That tenderness is a great gift, and moodiness and old hurts held close are "
     "its cost. Ask for care outright instead of retreating, and the shell has less reason to "
     "close."},
    {PointId::Moon, 4,
     "A Moon in Leo needs to feel warmly seen, and returns affection with open hands: the "
     "surprise party, the generous compliment, the evening you make special. Your heart is "
     "loyal and playful. When the attention goes elsewhere, the hurt can run deeper than you "
     "show; finding pride in what you give, not in the thanks, keeps your warmth from "
     "depending on applause."},
    {PointId::Moon, 5,
     "With the Moon in Virgo, you calm yourself by putting things in order: a tidied drawer, "
     "a list, a problem solved for someone else. Care, for you, means practical help. When "
     "you feel unsettled, the fault-finding starts, often aimed at yourself; naming the "
     "feeling behind the fussing lets the useful part of your care rest."},
    {PointId::Moon, 6,
     "With the Moon in Libra, you feel at ease when things are fair and pleasant between "
     "people, and a quarrel left hanging can spoil your whole evening. You soothe others with "
     "tact and good company. Swallowing your own upset to keep the peace comes too easily; "
     "saying what bothers you while it is still minor keeps the harmony honest."},
    {PointId::Moon, 7,
     "In Scorpio the Moon runs deep, private and strong: you trust slowly but completely. You "
     "may know a friend is hurt before they do, and keep what they tell you safe for years. "
     "Suspicion comes easily, and a grudge may outlive its cause by years. Each old hurt you "
     "put down leaves more feeling for the people who have earned your trust."},
    {PointId::Moon, 8,
     "With the Moon in Sagittarius, you need room to roam, in miles or in ideas, and a plan "
     "for next month lifts your spirits more than comfort at home. Your moods recover quickly "
     "and you cheer others with humour. The catch is skipping past sadness with a joke or a "
     "trip; staying with a hard feeling a little longer teaches you what it came to say."},
    {PointId::Moon, 9,
     "With the Moon in Capricorn, you tend to handle feelings the way you handle work: with "
     "control, patience and a plan. You may be the steady one in a family crisis or a flooded "
     "kitchen, quietly doing what needs doing. Behind the composure there can be loneliness, "
     "since you are better at comforting than at being comforted; allowing someone to look "
     "after you now and then lets people reach you."},
    {PointId::Moon, 10,
     "With the Moon in Aquarius, you feel safest with a little distance and plenty of "
     "freedom, and friendship matters as much to you as closeness. You may respond to an "
     "upset friend with clear thinking rather than tears. Just when warmth is wanted, you can "
     "come across as cool. Saying that you care, in plain words, bridges the gap your "
     "independence leaves."},
    {PointId::Moon, 11,
     "Under a Pisces Moon you soak up the feeling in any room, as if you had no skin between "
     "yourself and others. Music, water and quiet restore you, and compassion comes easily. "
     "Moods that are not yours can swamp you, and when life gets harsh you may slip away. A "
     "little solitude each day and firm limits keep your kindness afloat."},
    {PointId::Mercury, 0,
     "With Mercury in Aries, you think on your feet and say it straight, often before the "
     "other person has finished the question. Decisions come quickly and debate wakes you up. "
     "Speed takes its toll in the reply sent in haste and the detail skipped; a second read "
     "before you press send is what separates directness from carelessness."},
    {PointId::Mercury, 1,
     "Mercury in Taurus moves at a deliberate pace and keeps what it learns. You prefer facts "
     "you can test, explain things in practical terms and rarely change your view because "
     "someone talks louder. When a better idea appears, you can dig in simply because you got "
     "there first. A fair hearing for the new argument, before you decide, keeps solid "
     "thinking from turning stubborn."},
    {PointId::Mercury, 2,
     "With Mercury in Gemini, your mind is quick, curious and fond of words: puzzles, gossip, "
     "trivia and three tabs open at once. You can talk to anyone and explain almost anything. "
     "You may know a little about a great deal and finish less than you start, and choosing "
     "one subject to master gives your quickness the depth it lacks."},
    {PointId::Mercury, 3,
     "With Mercury in Cancer, you think with your feelings and remember by atmosphere: where "
     "you were, who was there, how it felt. You listen well and often say the right thing to "
     "someone who is hurting. A neutral remark can land as a personal one. Asking what was "
     "meant, before you react, stops your fine memory from filing it as a grievance."},
    {PointId::Mercury, 4,
     "Mercury in Leo gives your speech colour and conviction, and a meeting tends to wake up "
     "when you tell the story. You like ideas that let you lead and a plan you can put your "
     "name to. The catch is defending a view because it is yours. Let yourself be persuaded "
     "once in a while, and enjoy it: confidence that can change its mind convinces more "
     "people."},
    {PointId::Mercury, 5,
     "With Mercury in Virgo, your mind sorts, measures and refines: the spreadsheet checked "
     "twice, the instructions rewritten so anyone can follow them. You notice what others "
     "miss and put it to use. Worry comes with it, and a habit of correcting people who did "
     "not ask. Precision offered where it helps is welcomed; offered everywhere, it is heard "
     "as criticism."},
    {PointId::Mercury, 6,
     "With Mercury in Libra, you weigh every side before you speak and phrase things so that "
     "nobody loses face. You make a fine mediator, and people bring you their disputes. "
     "Decisions can hang for days, until someone else makes them for you; a deadline for "
     "choosing lets your fairness reach a conclusion."},
    {PointId::Mercury, 7,
     "Mercury in Scorpio reads between the lines and keeps its own counsel. You may solve a "
     "puzzle by noticing what someone avoided saying, and you remember every word of a "
     "promise. Suspicion and a sharp tongue come out when you feel cornered. What you have "
     "worked out helps nobody while it stays locked away, so let some of it out."},
    {PointId::Mercury, 8,
     "With Mercury in Sagittarius, your mind reaches for the big picture: why something "
     "matters, where it leads, what it means for everyone. You speak frankly, teach with "
     "enthusiasm and love a debate over dinner. A broad claim can rest on thin facts; "
     "checking the details before you announce the principle makes your vision trustworthy."},
    {PointId::Mercury, 9,
     "With Mercury in Capricorn, you think the way a builder works: practical, sober, one "
     "course of bricks after another. Your word carries weight because you do not waste it, "
     "and you tend to learn what is useful. A playful idea may strike you as frivolous, and "
     "your good sense can go grey with caution; leaving room for what cannot yet be proven "
     "keeps it young."},
    {PointId::Mercury, 10,
     "A mind shaped by Mercury in Aquarius runs ahead of the crowd and enjoys any idea that "
     "unsettles the usual way of doing things. You may spot the flaw in a system at work on "
     "your first morning and have a fix sketched by lunch. Once a view rests on principle, "
     "you can stop hearing the people who doubt it; asking what they know that you do not "
     "brings your originality back into conversation with them."},
    {PointId::Mercury, 11,
     "With Mercury in Pisces, your mind thinks in images, moods and hunches more than in "
     "lists. You may grasp a situation whole without being able to say how, and write or "
     "speak with a poetic touch. Details can slip away, and appointments with them. A "
     "notebook, a calendar and a habit of checking facts give your intuition solid ground to "
     "land on."},
    {PointId::Venus, 0,
     "With Venus in Aries, you love boldly and make the first move, drawn to people who are "
     "lively and a little hard to catch. Your affection is frank and exciting. Interest can "
     "cool once the chase is won. Plans made together and challenges taken on side by side "
     "bring the adventure inside a settled bond."},
    {PointId::Venus, 1,
     "Venus in Taurus loves through the senses and through steadiness: good food, soft "
     "fabrics, a partner whose hand you can hold on the sofa. Your affection is loyal and "
     "patient. You may hold on to a person as you hold on to a favourite coat, and comfort "
     "can settle into inertia. Devotion breathes more easily when you give without keeping a "
     "quiet account."},
    {PointId::Venus, 2,
     "With Venus in Gemini, you fall for a good mind and a quick laugh, and conversation is "
     "your way of courting. You enjoy variety in company and in taste. Love that settles into "
     "routine can make you restless, and keeping the talk fresh within one bond, new books to "
     "share and new places to argue about, often holds you better than moving on."},
    {PointId::Venus, 3,
     "With Venus in Cancer, you love by looking after people: the meal saved for a late "
     "partner, the photograph albums, the home that feels safe. Your affection is tender and "
     "lasting. The cost is sulking when care is not returned, or giving in order to be "
     "needed; asking plainly for tenderness keeps your love from turning into a quiet ledger."},
    {PointId::Venus, 4,
     "Venus in Leo loves generously and likes to be adored in return, with gestures that have "
     "some sparkle: flowers, a grand evening, loyalty declared in public. Your warmth makes "
     "people feel special. Pride is easily hurt when admiration flags. Praise others as "
     "lavishly as you hope to be praised, and affection flows both ways."},
    {PointId::Venus, 5,
     "With Venus in Virgo, you show love in practical ways: fixing the bike, remembering how "
     "they take their tea, ironing the shirt for the interview. Your taste runs to the simple "
     "and well made. A critical eye can turn on the people you love, or on yourself. Let "
     "affection be imperfect and say it out loud, and your careful devotion is felt as "
     "warmth."},
    {PointId::Venus, 6,
     "With Venus in Libra, love and beauty come naturally to you, and partnership feels like "
     "home ground. You have a gift for charm, fair play and a room arranged just right. Too "
     "much peace can be bought at the price of your own wishes, and resentment collects "
     "quietly; risking a little friction for honesty makes your relationships more truly "
     "balanced."},
    {PointId::Venus, 7,
     "Venus in Scorpio loves intensely and wants all of a person, not the polite surface. "
     "Your loyalty runs deep and your attraction can be magnetic. Jealousy can surface, with "
     "tests of devotion set in silence. Trust a partner with your fears instead of watching "
     "for betrayal, and passion becomes a refuge rather than a trial."},
    {PointId::Venus, 8,
     "With Venus in Sagittarius, you love freedom, laughter and people who widen your world: "
     "a partner from elsewhere, a friend who drags you on a trip. Your affection is warm and "
     "generous. You may back away when closeness starts to ask for commitment, though a "
     "lasting bond can be a journey of its own, with new ground every year."},
    {PointId::Venus, 9,
     "With Venus in Capricorn, you love with seriousness and build affection to last, "
     "preferring proven loyalty to grand declarations. Your taste is classic and your "
     "commitments are kept. Reserve can hide your warmth, and standing may weigh too much in "
     "whom you choose; being silly and openly fond once in a while shows what lies behind the "
     "composure."},
    {PointId::Venus, 10,
     "Venus in Aquarius loves as a friend first and needs a partner who respects your "
     "independence. Unusual people attract you, and you give affection without fuss or "
     "clinging. When feelings run high you may go cool; staying present in an emotional "
     "moment, instead of analysing it, shows how much you do care."},
    {PointId::Venus, 11,
     "With Venus in Pisces, you love with compassion and imagination, and can see the best in "
     "almost anyone. Your affection is gentle, romantic and forgiving. You may love an ideal "
     "more than the person, or give until little is left for you. With your eyes open and "
     "your limits clear, devotion can find someone who returns it."},
    {PointId::Mars, 0,
     "With Mars in Aries, your drive is direct, quick and fearless: you see what you want and "
     "go for it, often first in line and last to give up a fight. Energy comes in bursts. A "
     "short fuse and projects dropped once the spark fades are the risk. Pace yourself and "
     "see the dull middle through, and your courage has results to show."},
    {PointId::Mars, 1,
     "Mars in Taurus acts slowly and steadily and is hard to push off course. Once you commit "
     "to a garden, a savings plan or a grudge, you see it through. You may dig in when "
     "flexibility would serve you, and a temper slow to rise can be hard to calm. Choose your "
     "stands carefully, and your stamina counts where it matters."},
    {PointId::Mars, 2,
     "With Mars in Gemini, your energy goes into words, errands and ideas, several at once. "
     "You argue well, move fast and get bored by slow routines. Effort can scatter across too "
     "many fronts, and a quarrel tempts your sharp tongue: one project at a time, and wit "
     "used to persuade rather than to score, give your drive its force."},
    {PointId::Mars, 3,
     "With Mars in Cancer, you fight hardest for the people and places you love, and can be "
     "fierce in defence of home. Your drive often moves sideways, through feelings and hints "
     "rather than open demands. Anger held in tends to sulk or spill; saying what you want "
     "directly, early on, puts your protective strength to clearer use."},
    {PointId::Mars, 4,
     "Mars in Leo acts with flair and wants its efforts noticed. You lead naturally, throw "
     "yourself into creative work and defend your honour with heat. Pride can turn a "
     "disagreement into a contest. Act for the work itself, share the credit, and your "
     "courage finds a generous stage."},
    {PointId::Mars, 5,
     "With Mars in Virgo, your energy goes into work done carefully: the repair, the tidy "
     "report, the job no one else would bother to do right. You are efficient and precise. "
     "Sloppiness, yours or anyone's, can nag at you all afternoon; aiming your drive at what "
     "truly matters, and letting the rest be, keeps your skill from turning into strain."},
    {PointId::Mars, 6,
     "With Mars in Libra, you act best with a partner and fight most readily for fairness, on "
     "someone else's behalf as easily as your own. Open conflict may feel uncomfortable, so "
     "anger can come out as coolness or delay. Decisions can stall as a result; naming what "
     "you want, and bearing a little friction, lets your sense of justice move."},
    {PointId::Mars, 7,
     "In Scorpio, Mars makes your drive concentrated, strategic and slow to show its hand. "
     "When you set your sights on something you pursue it with formidable patience, and you "
     "rarely forget an insult. Intensity can turn to control or resentment. Spent on "
     "finishing what matters rather than on settling scores, your force becomes a real power."},
    {PointId::Mars, 8,
     "With Mars in Sagittarius, you act from enthusiasm and conviction: a cause, a journey, a "
     "plan with a horizon. You move fast and speak your mind. The cost is rushing in and "
     "promising more than the week can hold, or preaching in a quarrel; a plan with "
     "milestones, and patience with those who disagree, carry your fire further."},
    {PointId::Mars, 9,
     "With Mars in Capricorn, your drive is disciplined and ambitious: you work toward a goal "
     "year after year and respect people who do the same. You can stay calm under pressure "
     "and keep going when others stop. You may grind on without rest and treat feelings as "
     "obstacles in the way; pausing to enjoy what you have achieved gives your stamina a "
     "human face."},
    {PointId::Mars, 10,
     "Mars in Aquarius acts on principle and dislikes being told what to do. You may throw "
     "your energy into a group effort, a reform or an invention, and work best with room to "
     "do it your way. The snag is contrariness for its own sake; asking whether you are "
     "fighting the idea or the person keeps your independence effective."},
    {PointId::Mars, 11,
     "With Mars in Pisces, your drive moves like water: indirect, adaptable, strongest when "
     "it serves a feeling or an ideal. You may fight hard for someone else and struggle to "
     "push for yourself. Energy can leak away into doubt or avoidance. A clear aim and a "
     "daily routine give your compassion a way to act."},
    {PointId::Jupiter, 0,
     "With Jupiter in Aries, your faith grows through daring: you trust that a bold start "
     "opens doors, and you act on that trust. You may talk a group into a venture nobody else "
     "would try. Caution can look like cowardice to you, and you may overreach; pairing your "
     "optimism with one sober question before you leap keeps your luck from being spent on "
     "haste."},
    {PointId::Jupiter, 1,
     "Jupiter in Taurus finds abundance in the tangible: a well-stocked kitchen, a garden "
     "that yields, savings that grow slowly. Your generosity is practical and your good sense "
     "about value is real. Plenty can tip into too much, the extra helping and the purchase "
     "nobody needed, and enjoying enough rather than more keeps it pleasant."},
    {PointId::Jupiter, 2,
     "With Jupiter in Gemini, you grow by learning and sharing: courses started, books lent, "
     "contacts introduced to one another. You see opportunity in every conversation. "
     "Enthusiasm spread across ten openings can leave all ten half taken; choosing which of "
     "many good ideas to follow gives your wide interest the depth of real knowledge."},
    {PointId::Jupiter, 3,
     "With Jupiter in Cancer, your generosity shows at home and in care: the open door, the "
     "table with room for one more, the family you gather around you. Kindness comes easily. "
     "You may over-protect people or hold on to the past. Letting those you nurture stand on "
     "their own shows how much your care has given them."},
    {PointId::Jupiter, 4,
     "Jupiter in Leo believes in life as a stage worth playing on, and your enthusiasm lights "
     "up a room. You encourage others warmly and give with flair. Showing off is the "
     "temptation, or a plan as grand as your heart but larger than your means; generosity "
     "that needs no audience carries your big spirit best."},
    {PointId::Jupiter, 5,
     "With Jupiter in Virgo, you find meaning in useful work and grow by improving things "
     "step by step. A better method, a careful habit or a job well done gives you real "
     "satisfaction. The whole can go missing in the detail, and you may worry over what is "
     "already fine. Stepping back once in a while shows how far your patience has carried "
     "you."},
    {PointId::Jupiter, 6,
     "With Jupiter in Libra, your good fortune tends to come through other people: partners, "
     "allies, a well-judged introduction. You believe in fairness and bring out the gracious "
     "side of others. You may promise to please everyone, or lean on a partner for direction; "
     "your diplomacy carries more weight once it rests on your own judgment."},
    {PointId::Jupiter, 7,
     "Jupiter in Scorpio grows through depth: hard truths faced, crises weathered, what is "
     "hidden brought to light. You may see friends through their worst months and dig past "
     "the surface of any subject you take up. Passion and control can run to excess when "
     "every question must be probed to the bottom, so trusting that some things can stay "
     "unexplored lets your strength rest."},
    {PointId::Jupiter, 8,
     "With Jupiter in Sagittarius, your faith in life is large and catching: travel, study "
     "and long talks about meaning feed you. You tend to land on your feet and to lift others "
     "with your good humour. The shadow side is overconfidence and a taste for the next "
     "horizon before this one is explored; a measure of modesty is what makes your wisdom "
     "believable."},
    {PointId::Jupiter, 9,
     "With Jupiter in Capricorn, your growth comes through patience, structure and earned "
     "responsibility. You may prosper slowly, trust plans more than luck and find meaning in "
     "building something that lasts. Joy and chance can get too little room. When a windfall "
     "comes, simply enjoying it keeps your good sense generous."},
    {PointId::Jupiter, 10,
     "Jupiter in Aquarius believes in people working together and in ideas that move the "
     "world forward. A club, a cause or a circle of friends tends to open your doors. "
     "Humanity can come to matter more than the person in front of you, and an hour given to "
     "one friend in need keeps your ideals warm."},
    {PointId::Jupiter, 11,
     "With Jupiter in Pisces, your faith is compassionate and wide: you forgive readily, "
     "believe in people and find meaning in art, music or quiet devotion. You may give a "
     "stranger your umbrella and think nothing of it, trusting that help is near when you "
     "need it too. Trust handed out too easily, and days that drift without a plan, are the "
     "other face of it; a few firm commitments give your kindness a longer reach."},
    {PointId::Saturn, 0,
     "With Saturn in Aries, your lesson is learning when and how to act on your own. You may "
     "hold back from asking for the post you want, then push too hard once you do. Over the "
     "years, patience with your own impulses can become a rare kind of courage: the ability "
     "to lead calmly, to start things that last and to stand alone when needed."},
    {PointId::Saturn, 1,
     "Saturn in Taurus makes security a serious matter: you may worry about having enough and "
     "work long hours to build a cushion. You tend to be careful, reliable and slow to spend. "
     "Holding on tightly, to things or to habits, can crowd out the pleasure of them; "
     "trusting your own steady worth, not only your savings, lets you enjoy what you have "
     "built."},
    {PointId::Saturn, 2,
     "With Saturn in Gemini, you take thinking and speaking seriously, perhaps because being "
     "understood once felt hard. You may check facts others skip and choose words carefully. "
     "Doubt about your own mind can have you rehearse a question three times before you ask "
     "it; practice and study give you a clear, precise voice that others learn to trust."},
    {PointId::Saturn, 3,
     "With Saturn in Cancer, feelings and family can carry a weight of duty: you may have "
     "grown up responsible early or learned to hide your needs. You tend to be a dependable "
     "carer. The risk is guarding your heart too closely; letting yourself be looked after, "
     "bit by bit, builds the secure home you work so hard to provide."},
    {PointId::Saturn, 4,
     "Under Saturn in Leo you may long to be seen and fear it in equal measure, rehearsing "
     "before you step into the light. Creativity and play come with a sense of "
     "responsibility. Your gifts may stay hidden until they feel perfect, yet work shown "
     "while still unfinished builds a confidence that is earned and lasts."},
    {PointId::Saturn, 5,
     "With Saturn in Virgo, you hold yourself to exacting standards at work and in daily "
     "routine, and you tend to do a thorough job. Methods, lists and schedules keep you "
     "steady. The shadow is worry, and criticism aimed mostly at yourself; accepting that a "
     "task can be finished without being flawless lets your diligence serve you rather than "
     "drive you."},
    {PointId::Saturn, 6,
     "With Saturn in Libra, relationships are where you learn responsibility: keeping "
     "promises, meeting people halfway, knowing what is fair. You may commit late and take "
     "commitments seriously. Caution can hold love at arm's length, or keep you in a bond out "
     "of duty alone; clear agreements, renewed honestly, give your partnerships lasting "
     "strength."},
    {PointId::Saturn, 7,
     "Saturn in Scorpio inclines you to take trust, power and intimacy seriously and let very "
     "few people all the way in. You can endure hardship with quiet resolve. Fear of exposure "
     "can tighten into a grip on control, and letting one trusted person see what you guard "
     "lets endurance deepen into closeness."},
    {PointId::Saturn, 8,
     "With Saturn in Sagittarius, beliefs are earned, not borrowed: you may test ideas hard "
     "before you accept them and distrust easy answers. Study and experience shape a "
     "philosophy of your own. What it can cost is cynicism or rigid principles; a stranger or "
     "a journey can still teach you something, and staying open to them saves your hard-won "
     "wisdom from going stale."},
    {PointId::Saturn, 9,
     "With Saturn in Capricorn, you understand structure, time and responsibility, and you "
     "may have carried adult concerns young. You plan carefully and climb steadily. The price "
     "is severity with yourself and a fear of failing that leaves little room for play; "
     "measuring your worth by more than achievement keeps your ambition from becoming a "
     "burden."},
    {PointId::Saturn, 10,
     "Saturn in Aquarius brings discipline to ideas and groups: you may organise the "
     "committee, write the rules for a fairer system or stand by an unpopular principle. "
     "Coolness can creep in, a sense of standing apart from the crowd you serve; friendships "
     "that are warm as well as useful keep your vision of how people should live together "
     "human."},
    {PointId::Saturn, 11,
     "With Saturn in Pisces, you may feel others' pain keenly and work hard to give it shape, "
     "through service, art or quiet discipline. Boundaries can be your long lesson. Vague "
     "fear or guilt can arrive with no source you can name. A steady practice and clear "
     "limits give your compassion practical strength."},
    {PointId::Uranus, 0,
     "Uranus in Aries marks those born over some seven years, who tend to break new ground by "
     "acting first and asking permission later. Personally it can surface as a sudden urge to "
     "strike out alone: leaving the team to start your own, booking the trip on a whim. "
     "Rebellion for its own sake is the snag, and where this placement lands among your "
     "houses shows where the pioneering spirit does real good."},
    {PointId::Uranus, 1,
     "Uranus in Taurus, shared with those born in the same seven years or so, shakes up what "
     "people own, earn and make, and what they take as solid ground. You may find your own "
     "sense of security changing without warning. The gift is a practical inventiveness; the "
     "use of the jolts is learning to hold things lightly."},
    {PointId::Uranus, 2,
     "Those born with Uranus in Gemini, a span of about seven years, tend to rewire how "
     "people talk, learn and connect. Your mind may leap between ideas and warm to new tools "
     "before others trust them. Restlessness can leave a dozen bright ideas started in one "
     "week; letting an idea settle long enough to test it shows which of your flashes are "
     "real."},
    {PointId::Uranus, 3,
     "Uranus in Cancer, common to those born within the same seven years, unsettles the old "
     "picture of home and family and invents new ones. You may need more freedom within your "
     "closest bonds than custom allows, and a household of friends can feel more like family "
     "than the one on paper. A home life that keeps shifting is hard to rest in, yet it can "
     "teach you to make belonging by choice."},
    {PointId::Uranus, 4,
     "Uranus in Leo marks a generation that insists on expressing itself in its own way, in "
     "art, romance and style. You may want your creativity to surprise. Wilfulness can flare "
     "when admiration is withheld. Let others shine beside you, and your originality finds "
     "its welcome."},
    {PointId::Uranus, 5,
     "Uranus in Virgo, a placement of some seven years, reinvents work, method and daily "
     "habit: the new tool, the smarter routine. You may move the whole office to a new tool "
     "before anyone else has read the manual. The trouble is restless impatience with the old "
     "way; testing your improvements before insisting on them wins them a hearing."},
    {PointId::Uranus, 6,
     "Uranus in Libra, a placement that lasts about seven years, redraws the rules of "
     "partnership: equality, freedom and unconventional arrangements. You may need a "
     "relationship that leaves room to breathe, separate holidays included. The shadow is "
     "bonds that come and go suddenly; a bond whose terms you have both written yourselves "
     "gives your partnerships a shape of their own."},
    {PointId::Uranus, 7,
     "Uranus in Scorpio, in the years of its passage, breaks taboos around power, intimacy "
     "and what is kept hidden. You may be drawn to uncover what others prefer left alone. You "
     "may turn volatile when you feel controlled. Aimed at honest change, in yourself first, "
     "that urge gains lasting force."},
    {PointId::Uranus, 8,
     "A generation with Uranus in Sagittarius questions inherited beliefs and reaches across "
     "borders, in travel, faith and learning. You may change your outlook suddenly after one "
     "book or one trip. Tradition can be dismissed wholesale. Keeping what still holds while "
     "you explore lets your freedom of mind stay generous."},
    {PointId::Uranus, 9,
     "Uranus in Capricorn, shared with your classmates and near contemporaries, challenges "
     "institutions and remakes structures from within. You may respect authority while "
     "wanting to redesign it. The strain between order and reform is useful: it can make you "
     "the person who changes a system instead of only protesting it."},
    {PointId::Uranus, 10,
     "Uranus in Aquarius marks a generation at home with networks, science and ideas ahead of "
     "their time. You may feel most yourself among friends who think unusually. Detachment "
     "can cool a feeling before it is ever spoken; using your vision for people you actually "
     "know brings it down to earth."},
    {PointId::Uranus, 11,
     "Your age group's Uranus in Pisces dissolves old boundaries through imagination, spirit "
     "and art. You may have flashes of intuition that arrive fully formed. Inspiration and "
     "escape can be hard to tell apart. Grounded in daily practice, your insights show which "
     "of them can change something."},
    {PointId::Neptune, 0,
     "Neptune in Aries colours a generation, those born across some fourteen years, with an "
     "ideal of heroic action and the dream of a fresh start. You may be stirred by causes "
     "that ask for courage. A vision can stay vague even while you fight for it; giving your "
     "ideal a concrete first step keeps it from evaporating."},
    {PointId::Neptune, 1,
     "Born under Neptune in Taurus, your generation dreams of a simpler, more beautiful "
     "material life, close to land and craft. You may idealise comfort or nature. Judgment "
     "about what things are worth can blur, and loving beauty with an honest eye on the price "
     "lets the dream take root."},
    {PointId::Neptune, 2,
     "Neptune in Gemini, shared with those born over about fourteen years, weaves imagination "
     "into words, news and ideas. You may think in stories and pick up what is in the air. "
     "Rumour and fact can blur in the telling; checking the source before you pass a story on "
     "lets your gift for language inspire rather than mislead."},
    {PointId::Neptune, 3,
     "Neptune in Cancer colours a generation with longing for an ideal home, homeland or "
     "family. You may feel nostalgia for a past you never quite had. You may expect your "
     "family to be the dream. Loving the real people, flaws and all, makes a home that holds."},
    {PointId::Neptune, 4,
     "Neptune in Leo enchants everyone born during its passage with glamour, romance and the "
     "stage, and the dream of a heroic self. You may treat creativity as something almost "
     "sacred and remember a film or a performance for decades. An image can be chased at the "
     "expense of a life, so letting your talent serve something beyond your own reflection "
     "keeps the magic real."},
    {PointId::Neptune, 5,
     "Neptune in Virgo marks a generation that idealises service and blurs the line between "
     "duty and devotion. You may want your work to mend something in the world. You may worry "
     "over imperfection or give yourself away in routine. A modest aim, done faithfully, lets "
     "your ideal of usefulness come true in practice."},
    {PointId::Neptune, 6,
     "Neptune in Libra, common to your age group, dreams of perfect love and harmony between "
     "people. You may see partnership as almost sacred and art as a bridge, and keep a song "
     "for every relationship you have had. Loving an ideal partner more than the real one is "
     "the danger; honest talk about what each of you needs keeps romance grounded."},
    {PointId::Neptune, 7,
     "With Neptune in Scorpio, your age group is drawn to the hidden: depth psychology, "
     "mysteries, the intensity behind appearances. You may sense the undercurrent at a "
     "meeting or a family dinner long before anyone names it. Extremes can fascinate you more "
     "than they deserve; that perceptiveness, used to understand rather than to be swept "
     "away, steadies rather than haunts."},
    {PointId::Neptune, 8,
     "Neptune in Sagittarius colours a generation with spiritual wanderlust: faith sought in "
     "distant places, in many teachings, in a world without borders. You may idealise freedom "
     "and truth. You may chase one guru or belief after another. A vision tested against your "
     "own experience stays honest."},
    {PointId::Neptune, 9,
     "Neptune in Capricorn gives those born in its years a dream of institutions worth "
     "trusting and structures that serve an ideal. You may look for meaning in your career. "
     "Disillusion can follow when authority proves human. Building something sound in your "
     "own corner of the world makes the ideal real."},
    {PointId::Neptune, 10,
     "A generation with Neptune in Aquarius dreams of a connected, humane future shaped by "
     "technology and shared ideals. You may feel kinship with people you have never met. "
     "Utopian vagueness is the weak point, and your vision proves itself best when put to "
     "work in one real community."},
    {PointId::Neptune, 11,
     "Neptune in Pisces, shared with those born across some fourteen years, deepens "
     "compassion, imagination and a sense of the sacred. You may be unusually sensitive to "
     "music, art and suffering. You may want to escape when the world is harsh. A creative or "
     "caring practice gives your sensitivity a channel that lifts others too."},
    {PointId::Pluto, 0,
     "Pluto in Aries, a placement shared by everyone born over some three decades, carries "
     "the urge to remake the world by force of will and fresh starts. Personally it can show "
     "as a fierce need to do things your own way, rebuilding the club from scratch rather "
     "than joining it as it is. Blocked, that will can turn ruthless; aimed at renewal rather "
     "than conquest, it clears ground for others too."},
    {PointId::Pluto, 1,
     "Pluto in Taurus marks a long generation that transforms its relation to land, "
     "possessions and value. You may hold deep, stubborn convictions about what is truly "
     "yours, from a plot of ground to the chair nobody else may sit in. Such things can grip "
     "you harder than you grip them; letting one go, by your own choice, shows how much of "
     "your steadiness never depended on it."},
    {PointId::Pluto, 2,
     "Everyone born during Pluto's long stay in Gemini shares its intensity about ideas, "
     "speech and the spread of news. Words may carry real power for you: the letter redrafted "
     "until it cannot be answered, the remark that is still remembered years later. The pull "
     "is toward being right at any cost, and putting that power to uncovering what is true, "
     "rather than winning the argument, gives it depth."},
    {PointId::Pluto, 3,
     "For those born with Pluto in Cancer, over some twenty-five years, the deepest changes "
     "run through home, family and homeland. You may feel the pull of family history "
     "strongly: the story retold at every gathering, the house nobody can bring themselves to "
     "sell. Clinging to roots, or dreading their loss, is the cost; making peace with where "
     "you come from frees the fierce loyalty it gave you."},
    {PointId::Pluto, 4,
     "Pluto in Leo gives those born in its years a drive to leave their mark through "
     "self-expression and will. You may want the business, the garden or the family recipe to "
     "bear your stamp, and feel it keenly when credit goes elsewhere. Pride can harden into "
     "control when recognition is withheld, whereas creative work done for its own sake "
     "releases that force generously."},
    {PointId::Pluto, 5,
     "Pluto in Virgo, a placement of about sixteen years, transforms work, method and daily "
     "habit with a drive to analyse and improve. You may feel compelled to fix what is broken "
     "around you, down to the office filing system nobody asked you to touch. Perfectionism "
     "can grip too hard; accepting that some things mend slowly lets your reforming zeal work "
     "patiently, and your houses show where it works hardest."},
    {PointId::Pluto, 6,
     "Pluto in Libra, shared by your whole age group, brings deep change to partnership, "
     "fairness and the terms on which people live together. Relationships may be where you "
     "are most remade, as when a quarrel about whose turn it is to cook turns out to be about "
     "power. Struggles for the upper hand can hide behind a pleasant front, and honest "
     "negotiation between equals is what this placement rewards."},
    {PointId::Pluto, 7,
     "Pluto in Scorpio, over some twelve years, makes those born in its span unafraid of "
     "intensity, secrets and what lies beneath the surface. You may feel things fiercely and "
     "trust slowly, reading a friend's silence more closely than their words. Extremes and "
     "control exert their pull, and honest self-knowledge, the kind that owns up to a jealous "
     "moment, is where that depth finds its power to renew."},
    {PointId::Pluto, 8,
     "Common to everyone born in its span, Pluto in Sagittarius transforms belief, learning "
     "and the meaning of truth, across borders. You may hold convictions with passionate "
     "force and argue them past midnight with people from the far side of the world. Zeal can "
     "stop hearing any other view; searching as hard as you preach keeps that conviction "
     "alive and growing."},
    {PointId::Pluto, 9,
     "Pluto in Capricorn, shared by those born over some sixteen years, brings deep change to "
     "institutions, authority and how power is structured. You may want to build, to master "
     "or to reform a system, even if it starts with the rules of a school council. Hardness "
     "and a need to control are the risk; authority used responsibly, and handed back when "
     "the job is done, is the lasting gift."},
    {PointId::Pluto, 10,
     "Pluto in Aquarius transforms groups, networks and ideas of freedom and progress for "
     "everyone born while it lasts. You may feel a strong pull toward collective causes, the "
     "petition started or the neighbourhood group organised online. A picture of the future "
     "can harden into fanaticism, and keeping real people at the heart of the vision lets its "
     "force do good."},
    {PointId::Pluto, 11,
     "Those born with Pluto in Pisces see their transformations run through faith, "
     "imagination and compassion, dissolving old certainties. You may feel the pull of the "
     "unseen deeply, moved by a piece of music as others are moved by an argument. A longing "
     "to escape or to be swept away is the cost; giving that depth a form, in art or service, "
     "makes it a source of renewal."},
    {PointId::Ascendant, 0,
     "With Aries rising, you meet the world head-on: quick to step forward, to speak first "
     "and to take on the unfamiliar task. People often see you as brave or brisk before they "
     "know you. You can come across as abrupt when you only meant to get going. A moment's "
     "warmth at the start of an encounter, a name remembered or a question asked, softens the "
     "charge."},
    {PointId::Ascendant, 1,
     "With a Taurus Ascendant you meet life calmly and at your own pace, and people tend to "
     "find your presence reassuring. You settle into a new job or town by building routines "
     "and familiar comforts. When change comes you can seem immovable; a nod that shows you "
     "are listening, even while you take your time, keeps others from reading patience as "
     "refusal."},
    {PointId::Ascendant, 2,
     "With Gemini rising, you approach the world with curiosity and chat, and people first "
     "meet you as lively, youthful and quick. You ask questions at a party and pick up a new "
     "place's slang in days. Others may find you restless or hard to pin down at first; let "
     "them see the steady interests beneath the talk, and the trust goes deeper."},
    {PointId::Ascendant, 3,
     "With Cancer rising, you approach new company carefully, sensing the mood of a room "
     "before you enter it. People often find you kind and approachable, and may come to you "
     "for comfort. A protective shell can read as shyness or moodiness. Once people are past "
     "the first guarded minutes, they find the warmth inside."},
    {PointId::Ascendant, 4,
     "When Leo is rising, you make an entrance without trying: warm, confident and noticed. "
     "People tend to look to you to lead or to liven things up. On a flat Monday you may "
     "still feel bound to be the bright one, and being overlooked stings; letting yourself be "
     "ordinary at times makes your natural radiance easier to carry."},
    {PointId::Ascendant, 5,
     "With Virgo rising, you arrive attentively and modestly, noticing what needs doing and "
     "quietly doing it. People first see you as capable, neat and a little reserved. New "
     "situations can set off nervous self-scrutiny. Trust that you are welcome before you are "
     "useful, and you can relax into company."},
    {PointId::Ascendant, 6,
     "With Libra rising, you approach people graciously and put them at ease, and first "
     "impressions of you tend to be pleasant. You have a feel for how a room or an outfit "
     "comes together. You can agree too quickly just to avoid friction, until your own "
     "preferences are lost among the pleasantries; voicing them early, over something as "
     "plain as which film to see, lets people meet the person behind the courtesy."},
    {PointId::Ascendant, 7,
     "With Scorpio on the Ascendant you meet the world watchfully, taking people's measure "
     "before you reveal much of yourself. Others may find you magnetic, private or hard to "
     "read. The cost is a guardedness that keeps good people at bay; ask a new acquaintance a "
     "candid question and answer one in return, and your intensity reads as depth rather than "
     "threat."},
    {PointId::Ascendant, 8,
     "With Sagittarius rising, you greet life with openness and good humour, as if every "
     "meeting might lead somewhere interesting. People see you as friendly, frank and "
     "restless. Bluntness can outrun tact, and plans can outrun follow-through. A little "
     "forethought before you promise lends your enthusiasm credit."},
    {PointId::Ascendant, 9,
     "Capricorn rising gives you a serious, competent bearing, and people often take you for "
     "older or more in charge than you feel. You arrive prepared. The snag is a reserve that "
     "can seem cold or a weight of responsibility taken on too early; letting your dry humour "
     "show relaxes others and lightens your own step."},
    {PointId::Ascendant, 10,
     "An Aquarius Ascendant presents you as independent, friendly and a little unusual, the "
     "one with an unexpected opinion or style. People may find you easy to talk to but hard "
     "to know. Your detachment can leave people standing outside the door; say what you feel "
     "as readily as what you think, and friendliness can become closeness."},
    {PointId::Ascendant, 11,
     "With Pisces rising, you enter a room gently and absorb its atmosphere, and people sense "
     "your kindness and imagination at once. You may adapt to each person you meet. The risk "
     "is losing your outline in other people's wishes; a clear no, said kindly, helps others "
     "meet the person behind the softness."},
    {PointId::Midheaven, 0,
     "With the Midheaven in Aries, your calling asks for initiative: to lead, to compete, to "
     "start what others only talk about. You may do best where you can act on your own "
     "judgment and see results quickly. Hierarchy and slow careers try your patience. Broken "
     "into bold steps, a long aim gives your ambition a path."},
    {PointId::Midheaven, 1,
     "A Taurus Midheaven points you toward a vocation that is steady, tangible and worth "
     "something you can see: a craft, a business, a work of beauty built over years. Others "
     "come to rely on your consistency. The shadow is staying in a safe post too long. The "
     "best time to look at the next step is often while the current one still feels "
     "comfortable."},
    {PointId::Midheaven, 2,
     "With the Midheaven in Gemini, your public path runs through words, ideas and "
     "connections: teaching, writing, selling, linking people. You may hold two jobs at once, "
     "or move between fields as your interests turn. Your reputation can suffer from "
     "scattering, a little of everything and no signature; following one thread far enough "
     "gives your versatility a recognisable shape."},
    {PointId::Midheaven, 3,
     "With the Midheaven in Cancer, your aims in the world are bound up with care: work that "
     "feeds, houses or protects people, or a workplace that feels like family. Professional "
     "setbacks can land as personal wounds. Your worth is more than your job title, and once "
     "you feel that, the empathy that is your strength can lead."},
    {PointId::Midheaven, 4,
     "The Midheaven in Leo wants your work to be seen and to carry your name: leading, "
     "performing, creating, inspiring others. Recognition motivates you. A career that runs "
     "on applause can stall when the audience moves on; work you would love even without an "
     "audience steadies your light."},
    {PointId::Midheaven, 5,
     "With the Midheaven in Virgo, your calling lies in skill and service: doing a job "
     "precisely, improving how things work, being the expert people trust. Your work may "
     "never feel good enough to show. Put your craft forward before it is perfect, and your "
     "reputation can catch up with your ability."},
    {PointId::Midheaven, 6,
     "With the Midheaven in Libra, your public path runs through partnership, diplomacy or "
     "beauty: negotiating, designing, bringing people to agreement. Others see you as fair "
     "and gracious. Other people's expectations can steer your career more than your own aims "
     "do, and knowing what you want from your work lets your talent for cooperation serve you "
     "too."},
    {PointId::Midheaven, 7,
     "A Scorpio Midheaven seeks work with depth and consequence: research, crisis, strategy, "
     "whatever is hidden or demanding. You may keep your ambitions private until they are "
     "secure. Your intensity can turn meetings into quiet contests for control. Turn your "
     "intensity on the task rather than on colleagues, and real authority grows."},
    {PointId::Midheaven, 8,
     "With the Midheaven in Sagittarius, your calling wants meaning and scope: teaching, "
     "travel, publishing, anything that widens horizons. You may be known for your enthusiasm "
     "and frankness. A career can turn restless, chasing each new vision. Staying long enough "
     "to see one project mature earns you the standing your ideas deserve."},
    {PointId::Midheaven, 9,
     "With the Midheaven in Capricorn, you tend to aim high and climb patiently, and you take "
     "your reputation seriously. Responsibility suits you, and authority tends to come with "
     "time. Status can become the only measure of a life. Let achievement include the people "
     "and pleasures along the way, and ambition need not hollow you out."},
    {PointId::Midheaven, 10,
     "With the Midheaven in Aquarius, your public path asks for originality and a cause: "
     "reform, technology, community, work that looks ahead. You may be known as the one who "
     "does things differently. You may chafe against every structure you work inside; finding "
     "an organisation whose aims you share gives your independence somewhere to build."},
    {PointId::Midheaven, 11,
     "With the Midheaven in Pisces, your calling may be hard to name but easy to feel: art, "
     "care, spirit, work that serves something larger. Your path may wind rather than climb. "
     "The risk is goals so vague, and terms so loose, that others end up setting them for "
     "you; giving your vision a practical form and clear terms helps it find its audience."},
};

}  // namespace

std::span<const PlacementReading> signReadings() { return Readings; }

}  // namespace zodrivel
