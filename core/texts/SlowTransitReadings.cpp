// SPDX-License-Identifier: AGPL-3.0-or-later
// Transits of the slow bodies, Jupiter to Pluto: three to five sentences each, since they last
// months and often pass three times.
#include <array>

#include "core/texts/TransitReadings.h"

namespace zodrivel {

namespace {

using enum PointId;
using enum ReadingFamily;

constexpr auto readings = std::to_array<KeyedReading>({
    // Transiting Jupiter.
    {Jupiter, Sun, Conjunction,
     "For these weeks, and longer if Jupiter turns back over your Sun, your sense of yourself has "
     "more room to grow. It is a good time to ask for the larger role, enrol in the course or take "
     "the trip you keep postponing, and people tend to say yes more readily. The same breadth can "
     "swell into promising too much, accepting three invitations for one evening. By the time it "
     "passes, what remains is a wider picture of what you can be, as far as you acted on it."},
    {Jupiter, Sun, Easy,
     "While Jupiter favours your Sun, confidence comes more easily and doors open with less "
     "pushing. A word to the right person, an application sent or a plan shared with a friend can "
     "go further than usual, though the ease itself can let you coast until the chance has gone by "
     "unused. Pick one aim worth the lift and give it your effort for these weeks; ground gained "
     "now tends to stay gained."},
    {Jupiter, Sun, Hard,
     "For a few weeks, or a few months if Jupiter turns back over the spot, your Sun is urged to "
     "grow faster than your plans allow. The week fills past what it can hold, and someone whose "
     "certainty outruns your own may bristle at yours. Alone, it shows as the yes given before the "
     "diary is checked, then the scramble to honour it. The pull is real; trimming the list is "
     "part of the growth, and what can remain is a larger aim sized to your actual days."},
    {Jupiter, Moon, Conjunction,
     "As Jupiter crosses your Moon, feelings run fuller and warmer for some weeks, sometimes three "
     "times over as it turns back and forward. It favours opening your home, mending a family tie, "
     "or simply letting yourself be looked after. The shadow is comfort in excess: the cupboard "
     "stocked for a siege, the house full of guests when you needed quiet. What can remain once it "
     "passes is a wider sense of where you belong, and of who belongs with you."},
    {Jupiter, Moon, Easy,
     "With Jupiter easing your Moon, moods tend to lift and the people around you feel more "
     "generous. It is a good season to host, to visit family, to look for a home that suits you "
     "better, or to rest without guilt. Because things feel fine, you may let them drift rather "
     "than use the goodwill. Put it to work: a conversation you have avoided goes more gently now, "
     "and the warmth of it tends to outlast the transit."},
    {Jupiter, Moon, Hard,
     "While Jupiter stirs your Moon, for some weeks and now and then through a loop of months, "
     "feelings ask for more than the moment can give. Relatives may lean on you and you may say "
     "yes to every request, or a home that was enough last year can feel cramped. The quieter "
     "habit is the cupboard opened whenever an evening feels thin. Notice which hunger is real and "
     "feed that one; afterwards you may know better what home means to you and what was only "
     "appetite."},
    {Jupiter, Mercury, Conjunction,
     "For a few weeks, and longer if it turns back over the spot, Jupiter widens your Mercury: "
     "ideas arrive in armfuls, and reading, study, writing and travel are favoured. It is a "
     "fitting time to pitch the proposal, sign up for the course or start the notebook. The cost "
     "is scatter: ten tabs open, a message three times as long as it needs to be, details waved "
     "through. Once it passes, keep the one idea that still holds up on a second reading."},
    {Jupiter, Mercury, Easy,
     "As long as Jupiter favours your Mercury, words find their audience more readily. A letter "
     "lands well, an interview runs smoothly, and a chat with a teacher or a stranger on a journey "
     "can open a door. It is easy to take the fluency for granted and say much while doing little. "
     "Write down what you learn in these weeks; the notes tend to be worth more than the talk, and "
     "they stay when the transit has gone."},
    {Jupiter, Mercury, Hard,
     "For some weeks Jupiter pushes your Mercury to think bigger than the facts support. You may "
     "agree to a plan on a good feeling and skim the fine print, and someone may challenge your "
     "certainty across a table or in a long thread of messages. On your own, the pattern is the "
     "next tab opened and the conclusion reached before the reading is done. The friction is "
     "useful: it asks you to check sources and trim claims, and it can leave your judgement "
     "broader and better founded."},
    {Jupiter, Venus, Conjunction,
     "As Jupiter crosses your Venus, pleasure, affection and taste swell for a week or two, and "
     "again if it turns back. It favours celebrations, a generous gesture, time with people you "
     "love and making something beautiful. The same warmth spends freely: the dinner that grows to "
     "twelve guests, the gift beyond the budget, the yes to every invitation. What can remain "
     "after it passes is a clearer sense of what you truly enjoy, and perhaps a friendship or a "
     "love that grew in the warmth."},
    {Jupiter, Venus, Easy,
     "While Jupiter favours your Venus, charm comes easily and people are inclined to like you. "
     "Now is a good moment for reconciliations, for social plans and creative work, and for asking "
     "for what you would enjoy. The ease can lull you into indulgence, or into letting a good bond "
     "coast on goodwill. Use these weeks to give as well as receive; affection tended now tends to "
     "last well beyond the transit."},
    {Jupiter, Venus, Hard,
     "Through these weeks, Jupiter presses your Venus to want more: more delight, more attention, "
     "more of whatever glitters in the shop window. A partner may be expected to supply all the "
     "sweetness, or a friend's lavish evening can make your own life look plain. Out of sight it "
     "can be the basket filled on a whim at midnight and the treat that was meant to be once. The "
     "itch has a use, since it shows which pleasures feed you and which only fill time, and your "
     "taste can come out of it surer."},
    {Jupiter, Mars, Conjunction,
     "For a few weeks, and longer if it loops back over the spot, Jupiter fires your Mars: energy, "
     "courage and the appetite for action rise together. It is a good season to begin the project, "
     "enter the competition or push a stalled matter forward. The risk is overreach: too many "
     "fronts at once, a temper that runs ahead, a bold move made before it is thought through. "
     "What remains afterwards is the ground you actually took, so choose it."},
    {Jupiter, Mars, Easy,
     "With Jupiter easing your Mars, effort pays back more readily and you can push without "
     "strain. Training for something, building, asking for the promotion or launching a venture "
     "are favoured. Left to itself, the ease can tempt you to coast on drive alone, starting much "
     "and finishing little. Aim the energy at one thing for these weeks; what you finish now tends "
     "to give you confidence for a long while after."},
    {Jupiter, Mars, Hard,
     "For a few weeks, longer if it loops back, Jupiter inflates your Mars and drive can outrun "
     "judgement. A schedule agreed with no slack in it, a fight taken up that is not yours, a "
     "clash with someone as sure of themselves as you are: the friction is out in the open. The "
     "quieter loop is the next challenge accepted before the last one is finished. The pressure is "
     "also fuel; pick the battle worth the effort, and you may come away knowing how much force a "
     "task deserves."},
    {Jupiter, Jupiter, Conjunction,
     "This is your Jupiter return, which comes about every twelve years, and for some weeks or "
     "months it opens a new round of growth. It favours taking stock of what you believe and hope "
     "for, and choosing the next horizon: a course, a move, a new circle of friends. The risk is "
     "promising yourself everything at once. What you begin in good faith now tends to set the "
     "tone of the years that follow, once the return has passed."},
    {Jupiter, Jupiter, Easy,
     "This is a point in Jupiter's twelve-year cycle when your own sense of opportunity flows more "
     "easily. For these weeks, plans made earlier in this cycle may show fruit, and help can come "
     "from teachers, friends or a chance conversation. It is easy to enjoy the lift without asking "
     "what it is for. Use it to take the next step on a path already chosen; progress made now "
     "tends to hold."},
    {Jupiter, Jupiter, Hard,
     "This is a checkpoint in Jupiter's twelve-year cycle, when the hopes you set out with rub "
     "against how things have actually grown. For some weeks, or months if it loops, a plan can "
     "outgrow its frame, and you may hear someone question the faith you put in it. In private the "
     "swing runs from overreaching to giving up and back, sometimes within a day. The friction "
     "asks for an honest review; what can remain is a vision resized to the life you lead."},
    {Jupiter, Saturn, Conjunction,
     "As Jupiter crosses your Saturn, hope and duty work on the same task for a while. It is a "
     "good season to grow something solid: a career step earned by years of work, a structure "
     "widened, a house rule relaxed that no longer serves anyone. The cost can be a restless wish "
     "to outgrow obligations before they are done. Once it has moved on, what is left is a "
     "foundation that bears more weight, if you built on it."},
    {Jupiter, Saturn, Easy,
     "As long as Jupiter favours your Saturn, patient efforts find support and limits feel less "
     "confining. It suits long-term plans, a steady commitment, formal study, or help from someone "
     "older and more experienced. The risk is contentment, using the ease to rest rather than to "
     "lay the next stone. Put one lasting piece in place in these weeks; structures begun now tend "
     "to stand."},
    {Jupiter, Saturn, Hard,
     "For these weeks Jupiter tugs at your Saturn, and the urge to expand strains against what you "
     "have already promised. An offer may arrive just as a duty holds you back, or someone may set "
     "a limit the moment you wanted more. The loop at home is the plan for a freer life drafted "
     "and filed away again each Sunday evening. Neither side is simply wrong; by the time it "
     "passes, you may know which commitments still deserve your loyalty and where growth can begin "
     "inside them."},
    {Jupiter, Uranus, Conjunction,
     "For a week or two, or in bursts over months if it turns back, Jupiter crosses your Uranus, "
     "and the wish for freedom gets a generous tailwind. Sudden chances, unusual people and new "
     "ideas are more likely to turn up, and a leap you have been weighing can feel obvious. The "
     "risk is a restlessness that drops good things along with the dull ones. Once it passes, what "
     "remains is the door you actually opened, so open the one that leads somewhere."},
    {Jupiter, Uranus, Easy,
     "While Jupiter favours your Uranus, originality is welcome and change can come without a "
     "fight. It is a good season to try the new method, the unusual trip or the unexpected "
     "friendship, and to say the thing nobody in the room expects. Enjoyed as a show, the novelty "
     "can be gone with the next weekend. Use these weeks to change one real thing, the tool you "
     "work with or the route you take, and you may find you never go back."},
    {Jupiter, Uranus, Hard,
     "For some weeks Jupiter goads your Uranus, and the itch to break loose can grow large. Plans "
     "may be overturned on impulse, and other people may spring their own announcements on you. "
     "Privately it can be the job advert read at midnight and closed again, night after night. "
     "Some of the urge is sound and some is only restlessness; test each change against what you "
     "want to keep, and you can come away with more freedom and less broken on the way."},
    {Jupiter, Neptune, Conjunction,
     "As Jupiter crosses your Neptune, the imagination opens wide for some weeks. Music, art, "
     "faith, retreat and acts of compassion are favoured, and you may be moved by things others "
     "barely notice. The shadow is vagueness: the lovely plan with no date, trust given too "
     "readily, the escape that leaves the task undone. What outlasts it is a glimpse of meaning "
     "worth keeping, if you give it a form."},
    {Jupiter, Neptune, Easy,
     "With Jupiter favouring your Neptune, intuition and kindness flow easily. It suits creative "
     "work, quiet time, volunteering or a spiritual practice. Taken for granted, the ease can "
     "slide into drifting, days pleasantly spent and nothing landed. Give the inspiration a shape "
     "in these weeks, a page a day or an hour in the studio; what is made now tends to carry the "
     "feeling onward when the transit has gone."},
    {Jupiter, Neptune, Hard,
     "Through these weeks Jupiter swells your Neptune, and hopes can float free of the facts. A "
     "cause may ask for more faith than it earns, and someone may sell you a dream with a warm "
     "smile. Meanwhile the same daydream is replayed on every journey while the ordinary duty "
     "waits. The season asks for discernment: check the details without losing the vision, and the "
     "faith you keep afterwards can be better tested and more your own."},
    {Jupiter, Pluto, Conjunction,
     "For a week or two, and on and off for months if it loops back over the spot, Jupiter crosses "
     "your Pluto and magnifies whatever runs deep. It can bring the courage to take on a great "
     "task, leave a draining arrangement, or claim a power you have held back. The shadow is the "
     "wish to control everything that grows. When it has gone, you keep the change you chose to "
     "make, and the strength that comes from having made it."},
    {Jupiter, Pluto, Easy,
     "As long as Jupiter favours your Pluto, deep change comes with less resistance than usual. It "
     "suits research, an honest look at old patterns, settling a long-standing matter, or using "
     "your influence for someone's good. With so little resistance, one cleared shelf can pass for "
     "the whole job. Go down to the root in these weeks; what you renew now can stay renewed."},
    {Jupiter, Pluto, Hard,
     "For some weeks, longer if it turns back, Jupiter amplifies your Pluto, and ambition or a "
     "struggle for control can grow larger than the situation needs. You may push too hard to win "
     "a point at work, or feel someone's power pressing on you across a desk. The hidden grip is "
     "the all-or-nothing aim rehearsed at night, the plan to prove yourself once and for all. The "
     "intensity can be harnessed: choose what to transform and what to leave alone, and you may "
     "come out with power better used."},
    {Jupiter, NorthNode, Conjunction,
     "As Jupiter crosses your North Node, the direction you are growing toward gets a generous "
     "push for some weeks. Chances tend to appear that lead beyond your habits: a teacher, a "
     "journey, an invitation into unfamiliar ground. The risk is staying with the old comforts "
     "because the new road looks large. The part that stays afterwards is a few steps taken in the "
     "direction your growth asks for, if you took them."},
    {Jupiter, NorthNode, Easy,
     "While Jupiter favours your North Node, growth in the direction you are heading feels less "
     "like effort and more like luck. Contacts, courses and offers that fit that path are easier "
     "to find. It is tempting to enjoy the ease and stay where you are. Use these weeks to "
     "practise the unfamiliar skill or say yes to the unfamiliar group; the progress tends to last "
     "beyond the transit."},
    {Jupiter, NorthNode, Hard,
     "For a few weeks Jupiter pulls at your North Node, and the gap between comfortable habits and "
     "the growth you are reaching for can feel wider. An offer may ask for a leap bigger than you "
     "are ready to make, and others may question your direction aloud. Alone, you may pick up the "
     "brochure for the course, admire it and put it back on the pile, more than once. The tension "
     "is worth having: by the time it passes, you may see more clearly which way you are heading "
     "and what you can leave behind."},
    {Jupiter, Lilith, Conjunction,
     "For some weeks Jupiter crosses your Lilith, and what you have refused to tame grows louder. "
     "It can bring the confidence to say no, to want openly, or to stop shrinking to fit someone "
     "else's comfort. The same swell can turn into defiance for its own sake, the door slammed to "
     "make a point. What remains once it passes is more room for the untamed part of you, if you "
     "claimed it with care."},
    {Jupiter, Lilith, Easy,
     "With Jupiter favouring your Lilith, the parts of you that refuse to submit find more "
     "acceptance than usual. It is a good time to voice an unpopular view, pursue a desire you "
     "have kept private, or spend time with people who do not ask you to be less. Because the ease "
     "is quiet, you might not notice the chance. Use it; a boundary stated now is likely to hold."},
    {Jupiter, Lilith, Hard,
     "For these weeks Jupiter enlarges your Lilith, and anger at what confines you can grow beyond "
     "the moment. Rules at work or at home may chafe, and people who want you to conform can get a "
     "sharper answer than their disapproval deserves. Out of sight, the argument is won again and "
     "again in your head on the way home. The refusal has truth in it; choose where to stand firm, "
     "and you can keep a freedom that is yours along with a clearer sense of its cost."},
    {Jupiter, Chiron, Conjunction,
     "As Jupiter crosses your Chiron, an old wound can feel larger for some weeks, and so can the "
     "means to tend it. A teacher, a book or a late-night conversation may offer perspective on a "
     "hurt you have carried for years, and it is a good time to help others with what you learned "
     "the hard way. The risk is a glib optimism that hurries the ache along. Once it has moved on, "
     "the old sore spot can sit more easily with you, if you let the help in."},
    {Jupiter, Chiron, Easy,
     "As long as Jupiter favours your Chiron, helping and being helped come more naturally. Your "
     "skill at tending others is noticed, and you may find words or support for an old hurt. "
     "Because it asks little, this ease can lead you to give endlessly and leave your own ache for "
     "later. Let these weeks include some care for yourself; what you learn now tends to deepen "
     "your gift for others."},
    {Jupiter, Chiron, Hard,
     "While Jupiter presses on your Chiron, for a week or two or in a loop of months, an old sore "
     "spot can feel magnified. A careless remark may land harder than it was meant, and someone "
     "may offer a quick fix for a hurt they do not understand. The habit to watch is helping "
     "everyone else so busily that your own ache never gets a turn. The season asks for patience "
     "more than answers; afterwards the old wound is still yours, but so may be more skill in "
     "living with it."},
    {Jupiter, Ascendant, Conjunction,
     "For a week or two, longer if it loops, Jupiter crosses your Ascendant, and the way you come "
     "across grows warmer and more confident. People tend to notice you and first impressions go "
     "well, so it is a good time to start something visible: a new role, a fresh look, a move. The "
     "same glow can tip into overpromising or taking more space than a room has. Afterwards you "
     "may keep a broader, more open way of introducing yourself."},
    {Jupiter, Ascendant, Easy,
     "While Jupiter favours your Ascendant, first impressions go well and people respond readily. "
     "It suits interviews, introductions and showing yourself more openly, perhaps in a new coat "
     "or a new town. Because you are well received, you may rely on charm where preparation is "
     "needed. Use these weeks to present what you actually want to be known for; the impression "
     "usually stays."},
    {Jupiter, Ascendant, Hard,
     "Through these weeks Jupiter presses on your Ascendant, and the way you present yourself can "
     "run larger than you feel inside. A first introduction may draw promises you cannot keep, and "
     "some people may ask more of the confident face than the person behind it can give. A quieter "
     "sign is the outfit changed three times before leaving the house. The strain shows where your "
     "manner has outgrown you, or you it, and the face you show can come to fit you better."},
    {Jupiter, Midheaven, Conjunction,
     "As Jupiter crosses your Midheaven, your work and public standing come into a brighter light "
     "for some weeks. It favours applying for the role, taking the stage, or stepping into a "
     "position of responsibility. The risk is overcommitment: saying yes to everything because "
     "everyone is asking. When it has gone, you keep a reputation that has grown, if you backed "
     "the visibility with work you can stand behind."},
    {Jupiter, Midheaven, Easy,
     "With Jupiter favouring your Midheaven, efforts toward your vocation get support from people "
     "with standing. It suits a step up, a mentor's advice, or a project that shows your skill to "
     "the right people. The shadow is that ease can make you wait for recognition rather than earn "
     "it. Do one thing in these weeks that moves your calling forward; the goodwill tends to "
     "persist."},
    {Jupiter, Midheaven, Hard,
     "For some weeks, and longer if it turns back, Jupiter strains your Midheaven, and ambition "
     "can pull hard against what you already carry. A visible role may be offered before you are "
     "ready, or someone whose status stands in your way can block the door you wanted. The "
     "restless habit is rewriting your job title in your head on every dull afternoon at work. The "
     "pull asks whether the bigger aim is really yours; weigh each offer against the life around "
     "it, and you can come away knowing the standing you want."},
    // Transiting Saturn.
    {Saturn, Sun, Conjunction,
     "For these months, often with three exact passes as Saturn turns back and forward, your Sun "
     "is asked to take itself seriously. Enthusiasm can run thinner and duties heavier, and praise "
     "may be scarce. It is a season to commit: finish the qualification, accept the "
     "responsibility, drop what you only did to be liked. What it can leave behind is a self with "
     "firmer outlines, earned rather than borrowed."},
    {Saturn, Sun, Easy,
     "While Saturn steadies your Sun, patient work gets results and people in authority tend to "
     "trust you. It is a fitting time to set up the routine, sign the long-term commitment or take "
     "on a role that asks for maturity. The ease can make everything feel merely dutiful, and you "
     "may settle for safe. Lay one foundation in these months, a qualification, a routine you can "
     "keep, and it can bear weight for years."},
    {Saturn, Sun, Hard,
     "While Saturn presses on your Sun, for some weeks or months and longer if it turns back, "
     "effort runs into resistance: a manager who says not yet, a plan that takes twice as long. "
     "People in charge may ask you to prove what you thought was settled. Alone, the loop is the "
     "evening audit of everything you have not yet done. The strain is instructive, since it shows "
     "what is solid and what was held up by hope; keep working at what matters, and you can stand "
     "more firmly on your own."},
    {Saturn, Moon, Conjunction,
     "As Saturn crosses your Moon, feelings can turn sober for some months and home life asks for "
     "responsibility. You may take on more care for family, sort out where and how you live, or "
     "notice how much you have been holding in. Loneliness can visit, even in a full house. The "
     "season asks you to name your needs plainly and provide for them; in time it can leave "
     "steadier emotional ground and a home shaped by what you truly need."},
    {Saturn, Moon, Easy,
     "With Saturn steadying your Moon, composure comes more readily and home matters can be put in "
     "order. It suits repairs, sensible routines, a frank talk with family, or making a place that "
     "feels safe to come back to. The shadow is a reserve that keeps feelings filed away in a "
     "drawer. Build one habit of care for yourself now, the Sunday meal or the early night, and it "
     "can comfort you long after."},
    {Saturn, Moon, Hard,
     "Over some months Saturn weighs on your Moon, and moods may run guarded. Family duties can "
     "pile up, and someone close may keep their distance just when you want warmth. The quiet "
     "habit is putting your own needs last on every list and then resenting the list. The weight "
     "asks for honest care of yourself rather than endurance alone: say plainly what you need, and "
     "your sense of security can come to rest more on yourself."},
    {Saturn, Mercury, Conjunction,
     "For as long as this lasts, Saturn settles on your Mercury, and thinking turns careful and "
     "serious. It is a good season for study, contracts, writing that needs discipline and "
     "planning in detail. The cost is doubt: hesitating over every sentence, seeing problems where "
     "there are only questions, leaving the email in drafts for a week. Once it passes you may "
     "keep a mind better organised and words that carry weight because you checked them."},
    {Saturn, Mercury, Easy,
     "As long as Saturn steadies your Mercury, focused thought comes more easily and careful work "
     "is rewarded. It favours exams, paperwork, structured learning and difficult conversations "
     "held calmly. Careful words can turn dry, all fact and no warmth, if nobody asks for more. "
     "Master one subject or finish one piece of writing, and the discipline can stay with you."},
    {Saturn, Mercury, Hard,
     "Through this stretch Saturn presses on your Mercury, and plans, papers and conversations may "
     "run into delay or a red pen. A reviewer or an office may ask for one more form, one more "
     "proof. Privately, the letter is rewritten five times and the reply composed again in bed. "
     "The friction demands precision: check your facts and say less but better, and your thinking "
     "can come out sharper and more trustworthy."},
    {Saturn, Venus, Conjunction,
     "As Saturn crosses your Venus, love, friendship and pleasure are weighed for their worth over "
     "some months. A relationship may deepen into commitment or show its limits, and spending and "
     "taste grow more sober. You may feel less lovable than you are. The season asks what you "
     "value enough to keep; what it can leave is affection that has been tested and a clearer "
     "sense of what deserves your care."},
    {Saturn, Venus, Easy,
     "While Saturn steadies your Venus, loyal bonds are strengthened and commitments feel natural. "
     "It suits formalising a relationship, choosing something made to last, or craft that needs "
     "patience. Steadiness can slide into routine, the same restaurant and the same safe choice "
     "over the glad one. Give real care to what you want to keep, and bonds tended now can hold."},
    {Saturn, Venus, Hard,
     "While Saturn strains your Venus, for some weeks to months, affection or pleasure can feel "
     "rationed. A partner may keep their distance or a friendship cool, and treats you used to "
     "allow yourself may drop off the list. The hidden ledger is the count you keep of what you "
     "give and what comes back. The strain is a test of what is real: value what lasts over what "
     "flatters, and your bonds may come out fewer but truer."},
    {Saturn, Mars, Conjunction,
     "For these months Saturn crosses your Mars, and drive is put on a short rein: effort has to "
     "be slow and controlled. Frustration can build when things refuse to move, and anger may go "
     "underground. It is a good season for hard practical work done with patience and for any task "
     "that needs endurance. Done patiently, this season can leave a strength that knows its limits "
     "and uses them."},
    {Saturn, Mars, Easy,
     "With Saturn steadying your Mars, disciplined effort pays off. It is good for long projects, "
     "steady practice, building something with your hands, or taking charge of a difficult task "
     "nobody else wants. The risk is all work and no fire, duty crowding out desire. Finish one "
     "thing that needs stamina, the wall rebuilt or the course completed, and the result can be "
     "durable."},
    {Saturn, Mars, Hard,
     "Over these months Saturn blocks your Mars, and you may feel you are pushing against a wall: "
     "a rule, a queue, a delay you cannot hurry. Someone senior can say no to exactly the move you "
     "were ready to make. Anger can be swallowed at noon and replayed at night. The resistance has "
     "a use, showing where force is wasted and where persistence pays; work steadily rather than "
     "harder, and what you take from it is drive with more skill in it."},
    {Saturn, Jupiter, Conjunction,
     "As Saturn crosses your Jupiter, hopes are measured against reality for some months. A plan "
     "may need scaling, a belief may need testing, or a long-held aim may finally become concrete. "
     "It can feel like being told to be sensible. The season rewards patient growth over grand "
     "gestures, and it can leave a faith that has been examined and an aim you can actually "
     "reach."},
    {Saturn, Jupiter, Easy,
     "As long as Saturn steadies your Jupiter, vision and practicality pull in the same harness. "
     "Now is a good moment to plan a venture, pursue formal study, or turn an ideal into a "
     "structure with a budget and a calendar. A well-drawn plan can feel like the thing itself, "
     "and stay in its folder. Put one hope on a timetable in these months; it has a far better "
     "chance of taking shape."},
    {Saturn, Jupiter, Hard,
     "For as long as Saturn curbs your Jupiter, optimism can run into limits: a door that stays "
     "closed, a committee that says wait, a creed that no longer convinces. Someone in charge may "
     "pour cold water on the plan you were proudest of. Alone, you may swing between big plans on "
     "Monday and gloom by Thursday. The strain asks for realism: prune the aims you cannot tend, "
     "and your hopes can become fewer and sounder."},
    {Saturn, Saturn, Conjunction,
     "This is your Saturn return, which comes near the ages of 29 and 58, and for these months, "
     "often with three exact passes, it asks what you have built and whether it is truly yours. "
     "Commitments may be made or ended, work taken seriously, old rules tested against your own "
     "experience. It can feel heavy. Its gift, if you take it, is a life more of your own making, "
     "shaped by choices you now own."},
    {Saturn, Saturn, Easy,
     "This is a point in Saturn's cycle when your structures work with you rather than against "
     "you. For these months, steady effort tends to show results, and plans laid in earlier years "
     "can gain a firmer shape. The shadow is that ease can tempt you to stay inside walls that "
     "merely feel safe. Use the support to strengthen what deserves it, and what you consolidate "
     "now can last well into the next years."},
    {Saturn, Saturn, Hard,
     "This is a checkpoint in Saturn's cycle, when the structures of your life are tested against "
     "how you have grown. For some weeks or months a job, a routine or a commitment may feel too "
     "tight, and people in charge may press for decisions. Watch for the habit of tightening the "
     "rules on yourself whenever things feel uncertain. The strain is a review: mend what can be "
     "mended and release what cannot, and your frame can come to fit you better."},
    {Saturn, Uranus, Conjunction,
     "As Saturn crosses your Uranus, the wish for freedom and the need for structure work on the "
     "same ground for some months. You may give a restless idea a solid form, turning the side "
     "project into a fixed weekly hour, or feel a rule pressing on your independence. Change tends "
     "to come slowly and deliberately. The season favours reform over revolt, and it can leave a "
     "freedom with a framework, sturdier than one won on impulse."},
    {Saturn, Uranus, Easy,
     "While Saturn steadies your Uranus, new ideas can be built into lasting forms. It is a good "
     "season to organise a change you have long wanted, modernise a tired routine, or make an "
     "unusual plan practical. The ease can make you settle for a compromise that keeps nothing "
     "new. Make one reform stick, in writing and in the diary, and it can hold."},
    {Saturn, Uranus, Hard,
     "During these months Saturn presses on your Uranus, and the old order and the wish to break "
     "free can pull hard against each other. Sudden plans may be blocked by rules, paperwork or "
     "people who prefer things as they were. In private, the bag is packed in imagination and "
     "unpacked by morning. The standoff asks for a path between rebellion and surrender: change "
     "what needs changing at a pace you can hold, and the freedom you win can be one you keep."},
    {Saturn, Neptune, Conjunction,
     "For these months Saturn crosses your Neptune, and dreams are asked to take a form or be let "
     "go. A vision may become a real project with a deadline, a faith may be tested by facts, or "
     "an illusion about a person or a place may quietly dissolve. It can feel like disenchantment, "
     "the colour drained from a favourite hope. The season rewards giving imagination a "
     "discipline, and you may come away with a dream that can bear daylight, or the relief of "
     "having set one down."},
    {Saturn, Neptune, Easy,
     "With Saturn steadying your Neptune, inspiration and practicality cooperate. It suits "
     "disciplined creative work, a spiritual practice with a routine, or service given reliably, "
     "week after week. A beautiful timetable drawn up and never followed is the trap. Give one "
     "ideal a fixed slot in your week, and it can endure."},
    {Saturn, Neptune, Hard,
     "Over some months Saturn strains your Neptune, and hopes may run up against hard facts. A "
     "plan can prove vaguer than it looked, and someone may ask for figures where you had only a "
     "feeling. Meanwhile duty can crowd out your inner life, and the same daydream returns every "
     "evening in place of the quiet hour. The friction clarifies: keep what survives scrutiny, and "
     "the ideals left standing can be humbler and more sustainable."},
    {Saturn, Pluto, Conjunction,
     "As Saturn crosses your Pluto, deep pressures come to the surface for some months and ask to "
     "be dealt with. You may face a power struggle, leave an arrangement that has outlived its "
     "use, or commit to a long, hard change. It can feel heavy and slow. The season favours "
     "endurance and honest accounting, and it can leave a strength you have proven and a structure "
     "cleared of what no longer holds."},
    {Saturn, Pluto, Easy,
     "As long as Saturn steadies your Pluto, deep work can be done patiently. It is a good time to "
     "restructure, to tackle a long-standing problem methodically, box by box and letter by "
     "letter, or to take responsibility for your influence over others. Steady progress can let "
     "you tidy round the hardest part and leave it standing. Go to the root with patience, and "
     "changes made now can last."},
    {Saturn, Pluto, Hard,
     "For as long as this lasts, Saturn bears down on your Pluto, and control, fear or ambition "
     "can grow heavy. An authority may refuse to budge, or an institution may demand the one "
     "concession you least want to make. The inner grip shows in how tightly you hold a plan, a "
     "role or a person, checking and rechecking it. The weight exposes what needs to change; let "
     "go of what cannot be held, and your power can rest on firmer, cleaner ground."},
    {Saturn, NorthNode, Conjunction,
     "Through this stretch, Saturn crosses your North Node, and the direction you are growing "
     "toward asks for commitment rather than curiosity. The new path may come with "
     "responsibilities attached, a course with exams or a role with a rota, and progress can feel "
     "slower than you hoped. The season rewards steady steps over leaps. Steps taken now are slow "
     "but can be lasting, and you keep the sense of having chosen them."},
    {Saturn, NorthNode, Easy,
     "While Saturn steadies your North Node, disciplined effort toward the growth you seek pays "
     "off. A mentor, a timetable or a plain routine, such as the same evening each week given to "
     "the new skill, can help you practise the unfamiliar. Old skills are the easy fallback, and "
     "they can quietly take the new hour over. Commit to one new habit that fits your direction, "
     "and in time it can become part of you."},
    {Saturn, NorthNode, Hard,
     "During these months Saturn strains your North Node, and moving forward can feel blocked by "
     "duties rooted in the past. Relatives or colleagues may count on you to keep playing the old "
     "role. Privately, the new start is postponed to next month, and then the month after. The "
     "delay asks what you are truly growing toward: take the harder, newer step, and your path can "
     "come out clearer for having been tested."},
    {Saturn, Lilith, Conjunction,
     "As Saturn crosses your Lilith, what refuses to be tamed comes up against structure and rules "
     "for some months. You may feel pressed to conform, to tone down the clothes, the laugh or the "
     "opinion, or you may find a lasting form for your independence. Anger at constraint can run "
     "deep and quiet. The season asks for a boundary that is both firm and yours; what can remain "
     "is a defiance with discipline, harder to dismiss."},
    {Saturn, Lilith, Easy,
     "With Saturn steadying your Lilith, you can give your untamed side a durable form: a boundary "
     "kept, a refusal sustained, work that carries your own edge. The shadow is that ease can make "
     "you settle for quiet respectability, saying yes at the table while meaning no. Make one "
     "stance lasting in these months, and people can learn to respect it."},
    {Saturn, Lilith, Hard,
     "For these months Saturn presses on your Lilith, and authority may push against the part of "
     "you that refuses to submit. You may be told once too often how things are done here, or feel "
     "judged for your desires by someone with power over your week. The hidden habit is a cold, "
     "polite defiance that never quite says no. The strain can teach you where your refusal "
     "protects something real; stand your ground with care, and the independence you keep may be "
     "the sturdier for it."},
    {Saturn, Chiron, Conjunction,
     "Over these months, Saturn crosses your Chiron, and an old wound asks for patient, practical "
     "care. Limits you have long felt may become plain, and that can sting. It is a good season to "
     "seek steady support or to teach what you know from experience. Its slow work can leave a "
     "wound better understood and a skill of tending others that has deepened with time."},
    {Saturn, Chiron, Easy,
     "As long as Saturn steadies your Chiron, tending an old hurt becomes steady work rather than "
     "crisis. It is a fitting time for routines of care, structured learning or helping others in "
     "a disciplined way. The risk is managing the hurt like a file without ever feeling it. Build "
     "something useful from experience, a guide, a practice, a group, and others can lean on it "
     "for years."},
    {Saturn, Chiron, Hard,
     "For some weeks to months Saturn weighs on your Chiron, and an old sore spot can feel "
     "heavier. A remark at work may land exactly where it has long hurt, or someone may set a "
     "limit that echoes an old one. The habit to notice is bracing for criticism before anyone has "
     "spoken. The weight asks for patience rather than hiding: give the hurt structure and time, "
     "and you may carry it more sturdily and have more to offer others."},
    {Saturn, Ascendant, Conjunction,
     "As Saturn crosses your Ascendant, the way you present yourself becomes more serious and "
     "defined for some months. You may take on a visible responsibility, choose plainer clothes, "
     "or feel less at ease in company, and first impressions may read as reserved. The season asks "
     "for a manner that matches your real age and standing. Afterwards you may carry yourself with "
     "a plainer, more grown-up ease."},
    {Saturn, Ascendant, Easy,
     "While Saturn steadies your Ascendant, you come across as reliable and capable. It is good "
     "for interviews, new roles, or presenting yourself with quiet authority. Reliability can "
     "harden into stiffness, the handshake firmer than the smile. Show your competence plainly and "
     "let some warmth in; the impression is likely to stay."},
    {Saturn, Ascendant, Hard,
     "Through this stretch Saturn presses on your Ascendant, and the way you come across may feel "
     "constrained or misread. People can judge quickly, or an interview panel can be cooler than "
     "you hoped. The loop is holding back at the edge of the room, then faulting yourself for it "
     "on the way home. The strain asks you to be yourself under pressure; show yourself without "
     "apology, and by its end your manner may be more your own."},
    {Saturn, Midheaven, Conjunction,
     "During these months, Saturn crosses your Midheaven, and your vocation and public standing "
     "come under review. Efforts of years may be recognised, or a career path may show its limits, "
     "and responsibility tends to grow. The season asks whether your public role is the one you "
     "want. Once it has moved on, you may keep a reputation built on substance, and clarity about "
     "your calling."},
    {Saturn, Midheaven, Easy,
     "With Saturn steadying your Midheaven, disciplined work toward your calling gains traction, "
     "and those in charge tend to notice. Now is a good moment for a promotion, a long-term "
     "project, or putting your role on a formal footing. A title can start to matter more than the "
     "work behind it. Strengthen what you want to be known for, and it can endure."},
    {Saturn, Midheaven, Hard,
     "For some months Saturn strains your Midheaven, and career or public standing can feel "
     "blocked or burdened. A promotion may be delayed, a critic may speak up, or duties at home "
     "may pull against those at work. The quieter habit is measuring yourself against a "
     "colleague's title every time it is mentioned. The burden tests your direction: persist with "
     "what matters and drop what is only for show, and your standing can come to rest on sounder "
     "work."},
    // Transiting Uranus.
    {Uranus, Sun, Conjunction,
     "For a year or so, usually with three exact passes as Uranus turns back and forward, your Sun "
     "is shaken awake. You may want to change work, town or style of life, and surprises can "
     "arrive from outside as well. Not every urge to break free is wise, and the restlessness can "
     "tire the people who rely on you. By the time it passes, you may find a self less bound by "
     "old expectations and more recognisably your own."},
    {Uranus, Sun, Easy,
     "While Uranus quickens your Sun, change comes more easily than usual and fresh starts feel "
     "natural. It is a good season to try the unconventional course, the new field, the haircut "
     "you have been sketching in the margins. Novelty can be enjoyed like a holiday and then "
     "packed away. Make one genuine break with habit, and the freedom won now can become simply "
     "how you live."},
    {Uranus, Sun, Hard,
     "For the better part of a year, Uranus jolts your Sun, and the life you have built may "
     "suddenly feel too narrow. Plans can be overturned by events, and people around you may act "
     "without warning, a partner announcing a move, a boss reorganising the team. Alone, the "
     "restlessness can run in circles: the same escape plan rehearsed at every red light. Some of "
     "the shake-up is overdue; change what truly confines you and leave the rest standing, and "
     "there can be more room to be yourself."},
    {Uranus, Moon, Conjunction,
     "As Uranus crosses your Moon, feelings and home life are stirred for some months. You may "
     "move house, rearrange a household, or discover needs you did not know you had, and moods can "
     "swing without warning. The unsettledness has a point: old comforts may no longer fit. What "
     "it can leave is a freer emotional life and a home that suits who you are now."},
    {Uranus, Moon, Easy,
     "With Uranus quickening your Moon, emotional freedom comes easily and change at home feels "
     "refreshing rather than threatening. It suits a new arrangement of rooms or routines, new "
     "friends, or an honest word about what you need. Moving the furniture can stand in for "
     "changing anything that matters. Try one new way of caring for yourself in these months; it "
     "can become a habit."},
    {Uranus, Moon, Hard,
     "For as long as this lasts, Uranus unsettles your Moon, and home, family or moods can feel "
     "disrupted. A move or a change in the household may come up, and someone you live with may "
     "want space just when you want closeness, or the other way round. The inner swing runs "
     "between nesting and wanting out, sometimes in one evening. The upheaval can clear what was "
     "stale; let changes happen at a pace you can live with, and your sense of home can grow more "
     "flexible."},
    {Uranus, Mercury, Conjunction,
     "For some months Uranus crosses your Mercury, and thinking turns quick, original and "
     "restless. New ideas arrive in flashes, you may pick up a new subject or technology, and "
     "conversations take unexpected turns. Focus can scatter, and a message sent in haste can say "
     "more than you meant. When it has gone, you may keep a mind that has learned new tricks and "
     "views old problems from a fresh angle."},
    {Uranus, Mercury, Easy,
     "As long as Uranus quickens your Mercury, inventive thinking comes easily. It is a good time "
     "for learning something technical, writing in a new voice, or solving a problem by "
     "approaching it sideways. Ideas can pile up in notebooks, each started and none finished. "
     "Capture one insight and develop it, and the new angle can become a lasting tool."},
    {Uranus, Mercury, Hard,
     "Through this stretch Uranus jolts your Mercury, and plans, messages and routines can be "
     "disrupted. News can redraw your picture of things overnight, and someone may contradict you "
     "in public just when you were sure. At your desk it can be the mind changed three times "
     "before lunch and the message sent after the second. The friction breaks stale habits of "
     "thought; check before you act on a sudden idea, and your thinking can come out freer and "
     "sharper."},
    {Uranus, Venus, Conjunction,
     "As Uranus crosses your Venus, love, friendship and taste are electrified for some months. "
     "You may fall for someone unexpected, want more space in a relationship, or change what you "
     "find beautiful, from the music you play to the clothes you wear. Stability can wobble. It "
     "can leave affection with more room in it, and tastes that are more honestly your own."},
    {Uranus, Venus, Easy,
     "While Uranus quickens your Venus, new people and new pleasures arrive easily. It is a "
     "fitting time to widen your circle, refresh a relationship with something unusual, or explore "
     "an art you have not tried. The ease can make excitement seem enough and commitment less "
     "appealing. Bring one new delight into a lasting bond, a new place or a new shared pastime, "
     "and it can keep the bond lively."},
    {Uranus, Venus, Hard,
     "During these months Uranus unsettles your Venus, and relationships may need more freedom "
     "than they have. Attractions can flare and fade, and a partner or friend may ask for space "
     "without warning. The inner itch is boredom with what was comfortable and the glance toward "
     "whatever is new. The disruption reveals what is alive and what is habit: allow change "
     "without breaking what still matters, and your bonds can gain breathing room."},
    {Uranus, Mars, Conjunction,
     "For some months Uranus crosses your Mars, and energy comes in surges. You may start projects "
     "on impulse, quit something abruptly, or feel a sudden urge for independence. Impatience can "
     "run hot, and rash moves are possible. The season favours bold, original action guided by a "
     "cool head; what it can leave is courage that has been tried, and perhaps a new direction for "
     "your drive."},
    {Uranus, Mars, Easy,
     "With Uranus quickening your Mars, bold action comes easily and new ways of working pay off. "
     "Now is a good moment to start an independent project, try an unusual approach or take a "
     "calculated risk. Left to itself, the ease can tip into restlessness, many starts and few "
     "finishes. Carry one innovation through to the end, and the results can surprise you."},
    {Uranus, Mars, Hard,
     "For the months of this transit, Uranus jolts your Mars, and tension or impatience can spike "
     "without warning. A rule or a delay may provoke you, and someone else's abrupt move can set "
     "off your own. The loop is the temper that flares at the same trigger each time, the queue, "
     "the slow reply, the plan changed by others. The energy is real and can be channelled: pause "
     "before the abrupt move and direct the urge into something that deserves it, and your drive "
     "may find a freer channel."},
    {Uranus, Jupiter, Conjunction,
     "As Uranus crosses your Jupiter, beliefs and hopes are shaken loose for some months. "
     "Unexpected chances can arrive, a new philosophy can catch your imagination, or a trip can "
     "change how you see things. The risk is chasing every bright idea at once. Afterwards you may "
     "hold a wider, less conventional faith and the openings you chose to take."},
    {Uranus, Jupiter, Easy,
     "As long as Uranus quickens your Jupiter, growth comes through surprises and fresh "
     "perspectives. It is a good season to study something unconventional, travel somewhere "
     "unfamiliar, or take an unusual opportunity. Each new horizon can make you hungry for the "
     "next before you have looked at this one. Follow one thread all the way, and the wider view "
     "is yours to keep."},
    {Uranus, Jupiter, Hard,
     "Over these months Uranus unsettles your Jupiter, and plans for growth can be overturned or "
     "redirected. A sudden offer may arrive as an old plan falls through, and a persuasive "
     "stranger may sell you a new creed. The repeating pattern is leaping at each new belief and "
     "dropping it within the week. Keep the vision but test the method, and what you believe "
     "afterwards can be more flexible and better grounded."},
    {Uranus, Saturn, Conjunction,
     "For some months Uranus crosses your Saturn, and the structures of your life come up against "
     "the urge to change. A routine, a job or a long commitment may feel suddenly confining, or be "
     "shaken from outside by a reorganisation or a new set of rules at work. Fear of losing "
     "stability can run high, and so can relief. Handled as reform rather than collapse, it can "
     "leave a structure renewed from within, sturdier for having been shaken."},
    {Uranus, Saturn, Easy,
     "While Uranus quickens your Saturn, old structures can be updated without breaking them. It "
     "is a good time to modernise a routine, reform a way of working, or bring new methods to a "
     "long-held responsibility. Tinkering can pass for reform, the new spreadsheet for the same "
     "old process. Make one real improvement in these months; it is likely to hold."},
    {Uranus, Saturn, Hard,
     "For as long as this lasts, Uranus strains your Saturn, and security and change can pull hard "
     "against each other. A job, a rule or a duty may suddenly feel unbearable, or a "
     "reorganisation at work may force a rearrangement you did not plan. In private, the "
     "resignation letter is drafted and deleted more than once. The jolt asks which structures "
     "still serve: reform rather than demolish, and what stands when it has gone can be more truly "
     "yours."},
    {Uranus, Uranus, Conjunction,
     "Uranus comes back to the place it held at your birth near the age of 84, after a full round "
     "of the zodiac, and in the first year or so of life it may turn back over that place once or "
     "twice. For the months of this passage, the wish to be free of old patterns is strong, and "
     "fresh interests can appear at any age. The risk is restlessness without a target. What it "
     "can renew is a sense of your own originality."},
    {Uranus, Uranus, Easy,
     "This is a point in Uranus's eighty-four-year round when your urge for freedom flows more "
     "easily into life. For these months, change can come without a crisis, and new interests or "
     "friends can bring fresh air. An opening that costs nothing can be waved through and "
     "forgotten. Make one lasting change toward the life that fits you, and it can remain long "
     "after."},
    {Uranus, Uranus, Hard,
     "This is a checkpoint in Uranus's eighty-four-year round, when the urge for freedom presses "
     "against the life you have built. For some months routines can chafe, and people near you may "
     "push for change, a friend who quits, a partner who wants to move. The daydream of a "
     "different life can return every time the alarm goes off. Choose which changes matter most; "
     "once it passes, there can be more room to live as yourself."},
    {Uranus, Neptune, Conjunction,
     "As Uranus crosses your Neptune, dreams and ideals are stirred in sudden ways for some "
     "months. A new spiritual interest, a piece of music that rearranges your week, or an abrupt "
     "disillusionment can shift how you see things, and confusion and excitement can arrive in the "
     "same hour. It is a time to follow a glimpse without staking everything on it. It can leave a "
     "more awakened inner life and ideals that have been aired out."},
    {Uranus, Neptune, Easy,
     "With Uranus quickening your Neptune, inspiration comes easily and intuitive leaps feel "
     "natural. It is a fitting time for creative experiment, an unusual practice of reflection, or "
     "an idea that arrives on a late walk and asks to be written down. The ease can leave you "
     "drifting among possibilities, admiring each and keeping none. Ground one vision in a plan or "
     "a piece of work, and it can stay alive."},
    {Uranus, Neptune, Hard,
     "During these months Uranus unsettles your Neptune, and ideals, faith or fond illusions can "
     "be challenged without warning. A cause you believed in may disappoint, or a hope dissolve at "
     "a single remark from someone you trusted. The quieter pattern is drifting off into the same "
     "escape whenever things feel too sharp. The shake-up can show what was wishful thinking: keep "
     "what still rings true and let the rest go, and your vision can grow clearer and less easily "
     "fooled."},
    {Uranus, Pluto, Conjunction,
     "For some months Uranus crosses your Pluto, and deep forces are stirred toward sudden change. "
     "A long-held grip, fear or attachment may break open, or you may feel driven to overhaul "
     "something from the foundations: the job, the arrangement, the story you tell about yourself. "
     "The season can feel intense and unpredictable, and not every break needs making at once. "
     "When it has gone, you may keep a freedom won from the depths and a clearer sense of your own "
     "power."},
    {Uranus, Pluto, Easy,
     "As long as Uranus quickens your Pluto, deep change can happen with less struggle than usual. "
     "Now is a good moment to break a long habit, reform how you use your influence, or let go of "
     "something that has held you back for years, perhaps by clearing the room you have avoided "
     "since you moved in. The first layer can come away so easily that you stop there. Finish the "
     "change, and it can stick."},
    {Uranus, Pluto, Hard,
     "For these months Uranus jolts your Pluto, and power struggles or old fears can surface "
     "abruptly. Someone's control over you may become intolerable, or a change may be imposed that "
     "you resist with everything you have. The hidden loop is a fear you thought you had outgrown, "
     "back whenever things go quiet. The upheaval can be intense but clarifying, showing what you "
     "were holding on to and why; change what needs changing with care, and your power can move "
     "more freely."},
    {Uranus, NorthNode, Conjunction,
     "As Uranus crosses your North Node, the direction of your growth can take a sudden turn for "
     "some months. A new person, an unusual idea or an offer out of nowhere may point you toward "
     "unfamiliar ground, and familiar habits can suddenly feel stale. The risk is restlessness "
     "that changes everything except direction. What can stay is a step toward the growth you are "
     "reaching for, perhaps one you did not plan but are glad you took."},
    {Uranus, NorthNode, Easy,
     "While Uranus quickens your North Node, growth tends to come through surprises. It is a good "
     "season to try something new in the direction you want to go, or to follow an unexpected "
     "invitation, a class or a group you would once have passed by. Novelty can stand in for "
     "growth, a drawer of first lessons and no second ones. Take one real step along your path, "
     "and it can matter later."},
    {Uranus, NorthNode, Hard,
     "Over these months Uranus unsettles your North Node, and your sense of direction can be "
     "shaken. An opening may appear and close before you decide, and other people's sudden changes "
     "can pull you off course. Inside, you may swing between old habits that comfort you and new "
     "paths that promise more than they explain. The disruption can show what growth you really "
     "want: follow the thread that feels alive, and the path may open up."},
    {Uranus, Lilith, Conjunction,
     "For some months Uranus crosses your Lilith, and what you have refused to tame breaks out "
     "more boldly. You may defy a rule openly, claim a desire you kept hidden, or startle people "
     "who thought they knew you, perhaps at a family table where you used to keep quiet. The "
     "freedom can be exhilarating and it has a cost in goodwill. Once it passes you may have an "
     "independence more fully yours, and a truer sense of who stays."},
    {Uranus, Lilith, Easy,
     "With Uranus quickening your Lilith, your untamed side finds new outlets without much "
     "conflict. It is a good time to act on a private desire, dress or speak in a way that is "
     "plainly yours, or voice an unpopular truth to people ready to hear it. The chance can be "
     "played as a game for a week and then dropped for being agreeable again. Claim one freedom "
     "for good, said aloud and kept up, and people can get used to it."},
    {Uranus, Lilith, Hard,
     "For as long as this lasts, Uranus provokes your Lilith, and anger at constraint can burst "
     "out suddenly. Someone's rule about how you should dress, speak or live may chafe, and you "
     "may walk out of a room mid-sentence. The itch under it is provoking people simply to see "
     "whether they stay. The outburst has truth in it, even when its timing is poor; choose your "
     "rebellions and say why, and your independence can be better understood."},
    {Uranus, Chiron, Conjunction,
     "As Uranus crosses your Chiron, an old wound may be touched without warning for some months, "
     "and new ways of tending it can appear as suddenly. An unexpected insight, an unfamiliar "
     "method or a new acquaintance with a similar story may shift how you carry the hurt. Being "
     "jolted where you are tender can sting. Once it has moved on, there can be a freer "
     "relationship with the old wound and fresh ways to help others with theirs."},
    {Uranus, Chiron, Easy,
     "As long as Uranus quickens your Chiron, new approaches to an old hurt come more easily. It "
     "is a fitting time to try an unusual kind of support, sit in on a group you would once have "
     "avoided, or share your experience in a new form, a letter or a talk. The new approach can "
     "tempt you to skip the slow, unglamorous part of tending. Take one new step in caring for "
     "yourself in these months; it can last for years."},
    {Uranus, Chiron, Hard,
     "Through this stretch Uranus jolts your Chiron, and an old sore spot can be exposed abruptly, "
     "by news, a change of plan or a careless word from someone who did not know. Restless and "
     "raw, you may want to fix everything at once. The loop is the old reflex that flinches before "
     "anything has happened. The disruption can also break a pattern that kept the hurt in place: "
     "let the reflex go and try something new, and you may carry the wound more freely."},
    {Uranus, Ascendant, Conjunction,
     "For some months Uranus crosses your Ascendant, and the way you present yourself can change "
     "quickly. A new look, a new setting or a freer manner may arrive, and people who knew you may "
     "need a second glance. The change can feel abrupt to you and to them. Afterwards your first "
     "impressions can say more plainly who you are now."},
    {Uranus, Ascendant, Easy,
     "While Uranus quickens your Ascendant, it is easy to show a fresher side of yourself. Now is "
     "a good moment to change your style, introduce yourself to new circles, or try a less guarded "
     "approach with strangers. The ease can keep the change on the surface, a new jacket and the "
     "same old caution. Let the change go past the clothes, and the fresher manner can settle in "
     "as your own."},
    {Uranus, Ascendant, Hard,
     "During these months Uranus unsettles your Ascendant, and the way you come across may be "
     "disrupted. People may react to a sharper edge in you, or surprise you with how they see you. "
     "The quieter habit is restyling yourself for each new room and feeling a stranger in all of "
     "them. The disruption can free you from an image you had outgrown; let yourself change "
     "without apology, and your manner can come to fit you better."},
    {Uranus, Midheaven, Conjunction,
     "As Uranus crosses your Midheaven, your vocation or public standing may take a sudden turn "
     "for some months. A new job, a change of direction or an unexpected opening can arrive, or "
     "the old role may simply stop making sense. The disruption can feel exciting and unsettling "
     "at once. When it has gone, you may have a calling closer to who you are becoming, and a "
     "reputation for doing things your own way."},
    {Uranus, Midheaven, Easy,
     "With Uranus quickening your Midheaven, changes at work come easily and new directions open. "
     "It is a good season to try a new role, bring a fresh method to your trade, or let colleagues "
     "see an unusual skill. Interesting side roads can take up every week without leading "
     "anywhere. Take one real step toward the work you want, and it can matter."},
    {Uranus, Midheaven, Hard,
     "For these months Uranus unsettles your Midheaven, and your career or reputation can be "
     "shaken. The ground may shift at work through no choice of your own, or a boss may rewrite "
     "your role overnight. The itch underneath is the urge to quit that returns on every difficult "
     "day. The disruption can clear the way for a truer calling: decide with care rather than in a "
     "temper, and the standing you end with can be one you chose."},
    // Transiting Neptune.
    {Neptune, Sun, Conjunction,
     "For a year or two, with three exact passes, now and then five, as Neptune turns back and "
     "forward, the outlines of your Sun go soft. Goals that once drove you can lose their pull, "
     "and you may not know what you want while something gentler and more generous comes forward. "
     "It is a time for art, faith, service and patience with not knowing, and a poor one for "
     "promising what you cannot yet see clearly. It can leave a self less rigid and more "
     "compassionate."},
    {Neptune, Sun, Easy,
     "While Neptune softens your Sun, imagination and sympathy come more easily and ambition "
     "loosens its grip a little. It is a good season for creative work, for kindness that asks "
     "nothing back, and for an hour alone with music or the sea. Days of good intentions can drift "
     "by with no shape. Give the inspiration one concrete form in these months; the form is still "
     "there when the haze lifts."},
    {Neptune, Sun, Hard,
     "For a year or two, on and off, Neptune blurs your Sun, and confidence or direction can slip "
     "out of focus. Plans may dissolve before they set, and someone may promise to make things "
     "simple for you. The inner loop is the question of what you want, asked each morning and left "
     "unanswered by night. The fog has a use, loosening an identity held too tightly: keep your "
     "commitments near enough to see, and you may come to know what you truly serve."},
    {Neptune, Moon, Conjunction,
     "As Neptune crosses your Moon, feelings grow porous for a long season. You may absorb the "
     "moods of people around you, long for a home that is more ideal than real, or feel a tender "
     "pull toward family members who need care. Boundaries at home can blur. It is a time to "
     "honour sensitivity without being swamped by it, and it can leave a deeper compassion and a "
     "gentler way of looking after yourself."},
    {Neptune, Moon, Easy,
     "With Neptune softening your Moon, intuition and empathy flow easily. It is a good time for "
     "quiet evenings, creative play at home, caring for others, and dreams worth writing down in "
     "the morning. Soft evenings can crowd out practical needs, the bills on the hall table and "
     "the call not returned. Nourish your inner life and the household alike, and the calm you "
     "find now can outlast the transit."},
    {Neptune, Moon, Hard,
     "For as long as this lasts, Neptune clouds your Moon, and moods can become hard to read, your "
     "own and other people's. Family demands may drain you, and someone close may lean on you more "
     "than you can bear. The quiet drift is the evening lost to screens or daydreams, repeated "
     "until the week has gone. The haze asks for kinder boundaries: say no where you must and rest "
     "where you can, and your emotional instincts can grow wiser and harder to sway."},
    {Neptune, Mercury, Conjunction,
     "For a long season Neptune crosses your Mercury, and thinking grows imaginative and diffuse. "
     "Poetry, music and intuitive insight come easily; lists, dates and contracts do not. You may "
     "misread a message, forget an appointment, or say yes to something you did not fully "
     "understand. It is a time to write, dream and double-check. Afterwards you may keep a mind "
     "that can hold what words leave out, and a respect for clear notes."},
    {Neptune, Mercury, Easy,
     "As long as Neptune softens your Mercury, imagination and language work well in the same "
     "hand. It is a fitting time for creative writing, music, listening closely to people, or "
     "learning through images rather than manuals. Listening so well can leave you nodding along "
     "where a question was needed. Capture your insights in words, and what you write now can "
     "carry feeling."},
    {Neptune, Mercury, Hard,
     "Through this stretch Neptune fogs your Mercury, and misunderstandings can multiply. Messages "
     "may go astray, and someone may tell you what you want to hear. An email can be reread five "
     "times without its meaning getting any clearer. The confusion asks for care: read before "
     "signing, check facts, ask twice, and you may come out of it thinking more subtly and "
     "listening better."},
    {Neptune, Venus, Conjunction,
     "As Neptune crosses your Venus, love and beauty take on a dreamlike quality for a long "
     "season. You may fall for an ideal, feel moved to tears by a film on a weekday afternoon, or "
     "find that an ordinary relationship suddenly asks for more tenderness than you expected. "
     "Illusions in love are easy to form now. Once it has moved on, there can be a deeper "
     "compassion, a finer taste, and perhaps a love that has survived being seen clearly."},
    {Neptune, Venus, Easy,
     "While Neptune softens your Venus, romance, art and kindness flow freely. Now is a good "
     "moment for creative work, for generous gestures and for gentler dealings with the people you "
     "love. The ease can make you idealise a partner or drift through pleasures without choosing "
     "among them. Make or give something beautiful in these months, and the feeling can outlast "
     "the transit."},
    {Neptune, Venus, Hard,
     "During these months Neptune clouds your Venus, and love or values can become confused. You "
     "may idealise someone who cannot live up to it, or feel let down by a friend who never "
     "promised what you heard. The hidden pattern is giving more each time you feel less loved, "
     "hoping the gift is noticed. The disillusion has a use, clearing away what was only hoped "
     "for: look at people as they are, and the affection that stays is the truer kind."},
    {Neptune, Mars, Conjunction,
     "For a long season Neptune crosses your Mars, and drive can soften or lose its aim. You may "
     "feel unsure what to fight for, find anger slipping away before you can voice it, or be moved "
     "to act for a cause larger than yourself. Effort spent without a clear target can leave you "
     "flat. It is a time to direct energy toward what inspires you, and it can leave action with a "
     "purpose beyond winning."},
    {Neptune, Mars, Easy,
     "With Neptune softening your Mars, effort flows toward ideals and creative aims. It is a good "
     "season for dance, music, volunteering, or a project driven by compassion rather than "
     "ambition. Waiting to feel inspired can become the reason not to lift a finger. Put your "
     "energy behind one vision, and it can carry you further than force would."},
    {Neptune, Mars, Hard,
     "For these months Neptune undermines your Mars, and motivation can waver. Conflicts may be "
     "hard to pin down, and someone may work against you out of sight. The inner pattern is "
     "starting with a rush, drifting off halfway, then starting again. The fog asks for patience "
     "and honesty about what you want: act only where the aim is clear, and your drive may settle "
     "into something gentler and more sincere."},
    {Neptune, Jupiter, Conjunction,
     "As Neptune crosses your Jupiter, faith and imagination expand together for a long season. "
     "Spiritual interests, art, travel to places that feel mythical, or generous service can open "
     "new horizons. The risk is believing too readily, in a guru, a scheme or a promise that "
     "sounds beautiful. It can leave a wider compassion and a faith that has learned to ask "
     "questions."},
    {Neptune, Jupiter, Easy,
     "As long as Neptune softens your Jupiter, idealism and generosity flow easily. It is a good "
     "time for spiritual study, creative work, travel, or giving your time to a cause. Generosity "
     "can run past what you have, and belief past what you have checked. Ground one ideal in "
     "practice, and the vision can stay alive afterwards."},
    {Neptune, Jupiter, Hard,
     "Over these months Neptune blurs your Jupiter, and hopes can outrun reality. A scheme may "
     "sound better than it is, and a teacher or creed may be idealised until it disappoints. The "
     "loop is the next promise believed just as the last one fades. The confusion asks for "
     "discernment: check the facts behind the faith, and the beliefs you keep can be humbler and "
     "more honest."},
    {Neptune, Saturn, Conjunction,
     "For a long season Neptune crosses your Saturn, and structures you relied on may begin to "
     "dissolve. A job, a routine or a firm belief can lose its solidity, and old fears may feel "
     "vague and hard to name. It is a time to let go of what no longer holds, while keeping the "
     "duties that still matter. When it has gone, you may have a structure rebuilt around your "
     "ideals, less rigid and more humane."},
    {Neptune, Saturn, Easy,
     "While Neptune softens your Saturn, discipline and imagination can share the work. It is a "
     "fitting time to give a dream a practical form, such as a set hour each morning for the "
     "painting, or to bring more compassion into a job you take seriously. The practical steps can "
     "be left for later, and later keeps moving. Set one vision on a steady base, the same hour, "
     "the same table, and it can outlive the mood that started it."},
    {Neptune, Saturn, Hard,
     "For as long as this lasts, Neptune erodes your Saturn, and security can feel uncertain. "
     "Rules or responsibilities at work may be vague, defined by nobody, and a routine that used "
     "to hold can shift under you. Alone, you may doubt what you have achieved and take on one "
     "more duty to prove it. The strain asks you to tell real duties from imagined ones: keep what "
     "is solid and release the rest, and you can stand on truer ground."},
    {Neptune, Uranus, Conjunction,
     "As Neptune crosses your Uranus, ideals and the urge for freedom run into each other for a "
     "long season. You may be drawn to visionary causes, unusual spiritual paths or artistic "
     "experiment, and the future can look luminous and vague at once, like a town seen through "
     "mist. The risk is drifting among possibilities without choosing. What can stay is a broader "
     "imagination and a freedom that serves something beyond yourself."},
    {Neptune, Uranus, Easy,
     "With Neptune softening your Uranus, inspiration and originality flow easily. Now is a good "
     "moment for creative or spiritual experiments, for finding people who share an unusual "
     "interest, or for imagining a different shape of life on paper. Dreaming can replace acting, "
     "the plan forever in the notebook. Try one new idea in practice, even for a month, and it can "
     "change what you think possible."},
    {Neptune, Uranus, Hard,
     "Through this stretch Neptune clouds your Uranus, and the wish for change can turn confused "
     "or restless. A cause may promise more than it delivers, and a friend's plan to get away can "
     "sound like yours. The escape can be imagined again and again without a destination. The haze "
     "asks for clarity before the leap: tie your hopes to concrete steps you can name, and your "
     "picture of freedom can grow wiser."},
    {Neptune, Neptune, Conjunction,
     "Neptune returns to the place it held at your birth only in the first year or so of life, as "
     "it turns back and forward over that place; a full round of the zodiac takes it about 165 "
     "years. If this transit falls in a chart's early months, it speaks of a time steeped in the "
     "atmosphere of home, in moods and images absorbed before words. What remains from such a "
     "season is an imaginative sensitivity that colours later years."},
    {Neptune, Neptune, Easy,
     "This is a point in Neptune's long round when your ideals and imagination flow more easily "
     "into daily life. During these months, art, faith, compassion and quiet reflection can "
     "deepen, and you may find meaning in unexpected places, a choir, a garden, a stranger's "
     "kindness. The glow can be enjoyed on a Sunday and gone by Monday's first email. Give your "
     "dreams a shape, a weekly hour, a practice, a place, and the shape can outlive the season."},
    {Neptune, Neptune, Hard,
     "This is a checkpoint in Neptune's long round, when your ideals and illusions are tested "
     "against experience. For these months old dreams may lose their glow, and someone whose "
     "beliefs you shared may go another way. The question of why you started can come back each "
     "time a plan stalls. The haze has a purpose, clearing away what was borrowed from others: "
     "keep what still moves you, and your faith may end up your own rather than inherited."},
    {Neptune, Pluto, Conjunction,
     "For a long season Neptune crosses your Pluto, and deep currents of feeling rise toward the "
     "surface. Old fears or attachments may dissolve quietly, a grudge may simply lose its heat, "
     "or you may feel drawn into something powerful and hard to name. It is a time for honesty "
     "with yourself and for letting go without forcing. It can leave a sense of inner renewal, and "
     "a power that feels less like control and more like depth."},
    {Neptune, Pluto, Easy,
     "As long as Neptune softens your Pluto, deep change can happen gently. It is a good season "
     "for reflection, for releasing an old pattern without a fight, or for creative work that "
     "draws on what lies beneath the surface. You may sense the depth and still stay in the "
     "shallows. Let one old attachment go in these months, and the lightness can outlast the "
     "transit."},
    {Neptune, Pluto, Hard,
     "Over these months Neptune clouds your Pluto, and deep fears or compulsions can surface in "
     "confusing ways. You may be drawn into other people's intrigues, or not know what you are "
     "holding on to until someone asks you to let go. Out of sight, a suspicion returns each time "
     "things go quiet. The fog asks for honesty: face what rises and loosen your grip, and you may "
     "see your own inner strength more clearly."},
    {Neptune, NorthNode, Conjunction,
     "As Neptune crosses your North Node, the direction of your growth can feel unclear and "
     "inspired by turns for a long season. You may be drawn toward spiritual, creative or caring "
     "paths, while goals that once seemed obvious lose their meaning. The risk is drifting without "
     "steering, waiting for a sign. Once it has moved on, you may find a sense of direction guided "
     "more by meaning than by habit."},
    {Neptune, NorthNode, Easy,
     "While Neptune softens your North Node, growth tends to come through imagination and "
     "compassion. It is a good time to follow an intuition in the direction you want to grow, to "
     "volunteer, make something or listen more than you speak. Signs can be waited for instead of "
     "acted on. Take one inspired step, and it can lead somewhere."},
    {Neptune, NorthNode, Hard,
     "For as long as this lasts, Neptune clouds your North Node, and your direction can feel "
     "uncertain. A flattering picture of where growth lies may dissolve when you get close, and "
     "advisers can point every way at once. The loop is waiting for a sign before each step, then "
     "doubting the sign when it comes. The fog asks for patience and a plain test of each hope: "
     "follow what feels genuine in practice, and your direction can grow more honest."},
    {Neptune, Lilith, Conjunction,
     "For a long season Neptune crosses your Lilith, and what you refuse to tame can take on a "
     "dreamlike or hidden quality. Desires you kept out of sight may surface as fantasies, art or "
     "longing, and an old refusal may blur into yielding. The risk is losing your edge in the "
     "haze, agreeing to keep the peace. What can outlast it is a refusal grown more compassionate "
     "and more creative."},
    {Neptune, Lilith, Easy,
     "With Neptune softening your Lilith, your untamed side finds creative and imaginative "
     "outlets. It is a fitting time to give a hidden desire a form in music, writing or dress, or "
     "to honour quietly what you refuse to give up. The desire can stay in fantasy, a story you "
     "tell yourself at night. Bring one part of it into your days, in what you wear, make or say, "
     "and it can become real."},
    {Neptune, Lilith, Hard,
     "Through this stretch Neptune clouds your Lilith, and your refusals may turn confused or "
     "secret. Someone may talk you round where you meant to resist. Underneath, a resentment is "
     "nursed out of sight, the no that is felt but never said. The haze asks for clarity about "
     "what you refuse to surrender: name it plainly to yourself and one other person, and your "
     "independence can grow truer."},
    {Neptune, Chiron, Conjunction,
     "As Neptune crosses your Chiron, an old wound may soften for a long season and become easier "
     "to hold, or it may ache in a vague, hard-to-name way. Compassion for yourself and for others "
     "can deepen, and you may find yourself the one people confide in. The risk is sinking back "
     "into old pain, replaying it like a familiar song. When it has gone, you may keep a gentler "
     "relationship with the wound and a deeper gift for caring."},
    {Neptune, Chiron, Easy,
     "As long as Neptune softens your Chiron, compassion and the skill of tending flow easily. Now "
     "is a good moment for caring work, for expressing an old hurt through art or letters, or for "
     "quiet reflection on what it taught you. Kindness can run past what you have, listening to "
     "everyone but yourself. Tend yourself as well, and what you learn now can outlast the "
     "transit."},
    {Neptune, Chiron, Hard,
     "During these months Neptune clouds your Chiron, and an old hurt may feel diffuse and hard to "
     "pin down. Other people's needs may drain you, and someone may lean on your kindness harder "
     "than they know. The habit is slipping away from your own feelings into busyness or dreams. "
     "The fog asks for gentle clarity: name what hurts and tend it, and you may carry it more "
     "lightly and help others with more skill."},
    {Neptune, Ascendant, Conjunction,
     "For a long season Neptune crosses your Ascendant, and the way you come across softens and "
     "blurs. People may see in you what they hope to see, or you may feel unsure how you appear, "
     "checking your reflection twice before going out. It is a time for gentleness and care with "
     "first impressions. Afterwards you may meet strangers with a more open, compassionate face."},
    {Neptune, Ascendant, Easy,
     "While Neptune softens your Ascendant, you come across as sympathetic and imaginative. It is "
     "a good season for creative self-presentation, for caring roles, and for putting strangers at "
     "ease. The ease can make you vague about who you are, agreeing with whoever spoke last. Show "
     "your gentleness with clear edges, and people can learn where you begin and end."},
    {Neptune, Ascendant, Hard,
     "For these months Neptune clouds your Ascendant, and others may misread you or cast you in "
     "roles that are not yours: a colleague sees a rescuer, a stranger someone easy to talk round. "
     "The drift inside is becoming whatever a room expects and forgetting which face was yours. "
     "The haze asks for honesty about yourself: show yourself as you are, plainly, and the face "
     "you show can be more honestly yours."},
    {Neptune, Midheaven, Conjunction,
     "As Neptune crosses your Midheaven, your vocation may be drawn toward ideals, art or service "
     "for a long season, and plain ambition can soften. Your public standing can turn hazy or "
     "inspired, sometimes both in one month. The risk is drifting away from work without choosing "
     "a new one. What can remain is a calling that serves something larger than a title."},
    {Neptune, Midheaven, Easy,
     "With Neptune softening your Midheaven, inspiration flows into your work and others notice "
     "its warmth. It is a good time for creative or caring roles, or for work done for a cause you "
     "believe in. Meaning can be waited for instead of built, day by day, at the desk. Bring one "
     "ideal into your work in these months, and it can shape the job you do for years."},
    {Neptune, Midheaven, Hard,
     "Over these months Neptune clouds your Midheaven, and career direction or reputation can feel "
     "uncertain. A role may change shape under you, and misunderstandings at work can gather "
     "around who agreed to what. On slow afternoons the doubt about your path comes back. The fog "
     "asks for patience and clear records of what you agreed: hold to what matters most, and your "
     "calling can come clearer."},
    // Transiting Pluto.
    {Pluto, Sun, Conjunction,
     "For a year or two, often with three exact passes as Pluto turns back and forward, your Sun "
     "is pressed toward a deep change. Roles you identified with may fall away, power questions "
     "with bosses, partners or yourself can come to a head, and you may find a strength you did "
     "not know you had. It can feel like being taken apart and rebuilt in slow motion. By the time "
     "it passes, you may find a self more honest, harder to push around, and less attached to "
     "appearances."},
    {Pluto, Sun, Easy,
     "While Pluto deepens your Sun, you have unusual power to change your life from the inside. It "
     "is a good season to commit to a demanding goal, end a habit that drains you, or take charge "
     "of something others have let slide, and your resolve tends to impress people. Because the "
     "change comes without crisis, you may not notice how much is possible. Renew one part of your "
     "life at the root, the job, the habit, the role, and what you rebuild now can hold for "
     "years."},
    {Pluto, Sun, Hard,
     "For as long as this lasts, Pluto grinds at your Sun, and you may find yourself in a contest "
     "of wills: a boss who wants control, a partner who refuses to yield an inch. Something you "
     "built your sense of self on may be stripped back. Inside, ambition can demand more each time "
     "you feed it. The pressure is hard, and it also shows you what cannot be taken from you: let "
     "go of what is finished, and the authority left can be your own."},
    {Pluto, Moon, Conjunction,
     "As Pluto crosses your Moon, for a long season feelings run deep and strong, and family or "
     "home matters can come to a turning point. Old emotional patterns surface, a bond may be "
     "tested to its core, or you may feel a fierce wish to protect or to let go. It is a time to "
     "face what you feel without letting it rule you. Once it has moved on, there can be an "
     "emotional life cleared of old debris and a surer sense of what you need."},
    {Pluto, Moon, Easy,
     "With Pluto deepening your Moon, emotional insight comes more easily, and you can change "
     "long-standing patterns at home or within yourself. It is a fitting time for honest family "
     "conversations, sorting through what you keep and what you clear out of the attic, or "
     "understanding a feeling that has puzzled you for years. The attic can be sorted while the "
     "feeling under it is left alone. Go to the root, and a quieter house, within and without, can "
     "follow."},
    {Pluto, Moon, Hard,
     "Through this stretch Pluto stirs the depths of your Moon, and family tensions may come to a "
     "head, or a bond may feel like a tug of war. A relative may hold on tight, or you may. The "
     "undercurrent is jealousy, old sorrow or the urge to run the household, returning whenever "
     "you feel unsafe. The intensity is a chance to see what has been driving you: let feelings "
     "surface without acting them out, and you can come to hold your emotions rather than they "
     "you."},
    {Pluto, Mercury, Conjunction,
     "For a long season Pluto crosses your Mercury, and thinking turns deep, probing and intense. "
     "You may research a subject to its roots, uncover a secret, or find a conversation that "
     "changes your mind for good. Obsessive thoughts can circle, and words can carry more force "
     "than you mean. It can leave a mind that sees beneath the surface and speaks with more "
     "weight."},
    {Pluto, Mercury, Easy,
     "As long as Pluto deepens your Mercury, research, investigation and persuasive speech come "
     "more easily. Now is a good moment to dig into a question, write about something that "
     "matters, or have the conversation that clears the air. Sharp insight can be used to win "
     "rather than to understand. Pursue one line of thought to its end, and what you learn can be "
     "yours for good."},
    {Pluto, Mercury, Hard,
     "During these months Pluto presses on your Mercury, and thoughts or conversations can turn "
     "intense, suspicious or combative. You may argue to win, or feel that someone is steering you "
     "with half-truths. Alone, a conversation can be replayed word by word in the early hours. The "
     "pressure can sharpen your perception: say what you mean and no more, and your thinking can "
     "grow deeper and harder to fool."},
    {Pluto, Venus, Conjunction,
     "As Pluto crosses your Venus, love, desire and values run deep and intense for a long season. "
     "A relationship may transform, a passion may take hold, or you may face jealousy, "
     "possessiveness or a hunger you cannot explain. It is a time to see what you truly value and "
     "why. When it has gone, you may keep love with more depth and honesty, and a sense of your "
     "own worth that runs deeper than charm."},
    {Pluto, Venus, Easy,
     "While Pluto deepens your Venus, passion and commitment come easily, and a relationship can "
     "grow more intimate than it has been. It is a good season to deepen a bond, put real feeling "
     "into creative work, or look honestly at the pattern behind your choices in love. The shadow "
     "is that ease can make you hold on too tightly, checking the phone for a reply that is only "
     "late. Let love go deeper without gripping, and the bond can grow stronger."},
    {Pluto, Venus, Hard,
     "For these months Pluto grips your Venus, and relationships can turn intense, possessive or "
     "tangled in questions of power. A partner may try to set all the terms, or a rival may enter "
     "the picture. The hidden loop is the fear of being left, rehearsed before anyone has moved. "
     "The intensity shows what you truly value and what you merely cling to: refuse games of "
     "control on either side, and your love can grow stronger and truer."},
    {Pluto, Mars, Conjunction,
     "For a long season Pluto crosses your Mars, and drive becomes fierce and single-minded. You "
     "may take on an enormous task, stand up to someone who has pushed you for years, or find a "
     "stamina you did not know you had. Anger can run deep, and the wish to win can become "
     "compulsive, the argument carried on long after it mattered. What can stay is a power you "
     "have tested and learned to use with control."},
    {Pluto, Mars, Easy,
     "With Pluto deepening your Mars, determination and staying power come easily. It is a good "
     "time for a demanding project, a long campaign, or any task that needs concentrated force, "
     "from rebuilding a business to clearing years of clutter in a weekend. The ease can tempt you "
     "to push others around simply because you can. Pour your energy into one thorough effort in "
     "these months, and what you build can stand for years."},
    {Pluto, Mars, Hard,
     "Over these months Pluto stokes your Mars, and conflicts can turn intense or drawn out. "
     "Someone may want to dominate, and your own anger can rise to a pitch that startles you, over "
     "a parking space or a tone of voice. The fight can go on in your head long after the other "
     "person has gone home. The heat asks you to use force wisely and to see what the fury "
     "protects: fight only what must be fought, and what grows is strength that is better "
     "governed."},
    {Pluto, Jupiter, Conjunction,
     "As Pluto crosses your Jupiter, ambitions and beliefs are deepened and remade for a long "
     "season. You may pursue a large goal with fierce dedication, question a faith you grew up "
     "with, or find yourself with new influence in a group or a field. The risk is wanting too "
     "much power or too much certainty. Afterwards you may hold a faith that has been tested to "
     "its roots and ambitions that rest on depth rather than show."},
    {Pluto, Jupiter, Easy,
     "As long as Pluto deepens your Jupiter, growth comes through depth and commitment. It is a "
     "fitting time to pursue a long-term goal, study something demanding, or use your influence "
     "for someone else's good. A large vision can sit on the shelf, admired. Commit to one large "
     "aim and give it regular hours, and it can grow."},
    {Pluto, Jupiter, Hard,
     "For as long as this lasts, Pluto tests your Jupiter, and ambitions or beliefs can run up "
     "against powerful forces. A struggle for influence may break out in a club, a firm or a "
     "family. In private a creed can crumble under questions you keep asking and cannot answer. "
     "The test turns on what you truly believe: hold to what proves real, and your faith can grow "
     "deeper and less brittle."},
    {Pluto, Saturn, Conjunction,
     "For a long season Pluto crosses your Saturn, and the structures of your life come under deep "
     "pressure. A career, a commitment or a set of rules you lived by may need rebuilding from the "
     "foundations, and fear of losing control can run high. Authority, yours or someone else's, "
     "may be tested hard. It is a time for endurance and honest accounting rather than patching. "
     "Once it has moved on, it can leave a structure rebuilt on firmer ground, and an authority "
     "you have earned."},
    {Pluto, Saturn, Easy,
     "While Pluto deepens your Saturn, lasting change can be made through patient effort. Now is a "
     "good moment to restructure a business or a household, commit to a long discipline, or take "
     "responsibility for a problem others have avoided for years. Patching can feel like enough "
     "where rebuilding was possible. Lay a foundation meant to last, and it can hold."},
    {Pluto, Saturn, Hard,
     "Through this stretch Pluto bears down on your Saturn, and structures or authorities can feel "
     "crushing. A boss, an institution or a duty may refuse to bend, and something you worked hard "
     "for may no longer stand as it did. The fear of losing control can be answered, each time, "
     "with one more rule for yourself. The weight reveals what was built on fear and what on "
     "substance: keep building what deserves it, and the foundations you rebuild can be more "
     "honestly yours."},
    {Pluto, Uranus, Conjunction,
     "As Pluto crosses your Uranus, for a long season the urge for freedom is driven from the "
     "depths. You may break with a situation that has confined you, throw yourself into a cause, "
     "or find your views on independence changing at the root. Changes can be sudden and "
     "far-reaching, and not all of them need making at once. It can leave a freedom that has been "
     "fought for and that you know how to keep."},
    {Pluto, Uranus, Easy,
     "With Pluto deepening your Uranus, radical change can happen with surprising ease. It is a "
     "good season to reform a habit, reinvent a way of working, or act on a long-held wish for "
     "independence, such as the move or the change of field you have been sketching for years. The "
     "surface can change while the core stays put, the new desk and the old job. Let the renewal "
     "go deep, and it can outlast the transit."},
    {Pluto, Uranus, Hard,
     "During these months Pluto strains against your Uranus, and control and freedom can struggle "
     "hard. Others may resist any change you propose, or hold the keys to the door you want to "
     "open. The inner loop is feeling trapped, then planning the break-out that never quite "
     "starts. The struggle asks you to find the change that truly matters and pursue it without "
     "wrecking what works, so that the freedom you gain is one you can hold."},
    {Pluto, Neptune, Conjunction,
     "For a long season Pluto crosses your Neptune, and dreams and ideals are pressed toward their "
     "roots. A faith may deepen or fall away, an illusion may be exposed, or a creative vision may "
     "take hold with new force. It can feel disorienting, as if the colours of things were "
     "changing. When it has gone, you may keep an inner life that has been cleared and deepened, "
     "and ideals that can bear weight."},
    {Pluto, Neptune, Easy,
     "As long as Pluto deepens your Neptune, inner life and imagination can be renewed with little "
     "struggle. It is a good time for spiritual practice, creative work drawn from deep feeling, "
     "or letting an old illusion go quietly, the way a hope can fade without a quarrel. The work "
     "can stop half done, the fog half lifted. Give your deepest ideal a form, and it can endure."},
    {Pluto, Neptune, Hard,
     "For these months Pluto sounds the depths of your Neptune, and ideals or illusions can be "
     "shaken at the root. A cause or a person may disappoint, and situations may arise where truth "
     "is hard to find. The hope you keep reviving after the evidence has gone against it is the "
     "quieter pattern. The pressure asks you to look clearly at what you hoped for: let go of what "
     "proves false, and your ideals can grow deeper and more sustainable."},
    {Pluto, Pluto, Conjunction,
     "Pluto comes back to the place it held at your birth only in the first years of life, as it "
     "turns back and forward over that place; a full round of the zodiac takes it about 248 years. "
     "If this transit falls in a chart's early months or years, it speaks of a time when deep "
     "currents in the family and its surroundings were taken in before words. What remains from "
     "such a season is an instinct for what lies beneath the surface that colours later years."},
    {Pluto, Pluto, Easy,
     "This is a point in Pluto's long round when your capacity for deep change flows more easily "
     "into life. Over these months, you may find it easier to let go of what has run its course, "
     "to commit to something that matters, or to use your influence with care. Because nothing "
     "forces the change, it can be put off year after year. Renew one part of your life at the "
     "root, the habit you have outgrown or the role you keep from duty, and the renewal can last."},
    {Pluto, Pluto, Hard,
     "This is a checkpoint in Pluto's long round, whose timing varies widely from one birth year "
     "to another because Pluto moves at such an uneven pace. For a year or two questions of power "
     "and control come to the fore, and people with authority over you may test your resolve. An "
     "old way of being can be shed and put back on more than once. The pressure can feel "
     "relentless; face what needs to change, and you can come out more fully yourself."},
    {Pluto, NorthNode, Conjunction,
     "As Pluto crosses your North Node, the direction of your growth is pressed with unusual force "
     "for a long season. You may feel compelled toward a new path, cross paths with people who "
     "change your course, or find old habits impossible to keep up, like a role at home that no "
     "longer fits. The pull can feel overwhelming, yet the choices remain yours. What can stay is "
     "a deeper commitment to the growth you are reaching for."},
    {Pluto, NorthNode, Easy,
     "While Pluto deepens your North Node, growth comes through depth and commitment rather than "
     "trial and error. It is a fitting time to pursue your direction wholeheartedly, letting go of "
     "one comfort that has held you back, a group you stay in from habit or a job kept out of "
     "fear. Half-measures can feel like progress. Commit fully to one step forward in these "
     "months, and it can carry you far."},
    {Pluto, NorthNode, Hard,
     "For as long as this lasts, Pluto drags at your North Node, and your direction can feel "
     "contested by forces larger than you. People may want to steer your course for their own "
     "reasons. The inner loop is being dragged back into old habits just as you reach for "
     "something new, again and again. The drag asks what you truly want to become: choose the "
     "harder, truer path, and the direction left can be firmly yours."},
    {Pluto, Lilith, Conjunction,
     "For a long season Pluto crosses your Lilith, and what you refuse to tame gathers deep power. "
     "Hidden desires or long-held anger may rise with force, and you may finally refuse to bow to "
     "someone or something that has had a hold on you, a family rule or an old bargain. The "
     "intensity can be alarming and freeing at once. Afterwards there can be an untamed strength "
     "you can own without shame and use with judgement."},
    {Pluto, Lilith, Easy,
     "With Pluto deepening your Lilith, your untamed side can be claimed and used with quiet "
     "power. Now is a good moment to hold a boundary without explaining it, or to honour a desire "
     "that others frown on, calmly and in the open. That force can be wielded carelessly, winning "
     "points you did not need. Claim one refused part of yourself fully; it is likely to stay."},
    {Pluto, Lilith, Hard,
     "Through this stretch Pluto digs into your Lilith, and struggles over what you refuse to give "
     "up can grow intense. Someone may want to control you, or to make you pay for a freedom you "
     "took. Anger or desire can feel bigger than its cause and keep circling back to the same "
     "grievance. The pressure shows what you truly refuse, and why: stand firm without cruelty and "
     "without apology, and the strength you keep may be wholly yours."},
    {Pluto, Chiron, Conjunction,
     "As Pluto crosses your Chiron, an old wound can be pressed to its depths for a long season. "
     "Pain you thought settled may resurface in a new setting, an argument that sounds like one "
     "from long ago, but so may the chance to understand it at the root. It can feel intense and "
     "exposing. Once it has moved on, there can be a wound that has been faced, and a deep skill "
     "in helping others with theirs."},
    {Pluto, Chiron, Easy,
     "As long as Pluto deepens your Chiron, an old hurt can be tended at the root with less "
     "struggle than usual. It is a good season for honest reflection, for a long talk with someone "
     "who shares the history, or for helping others from your own experience. One good talk can be "
     "mistaken for the whole work. Face one old pain fully, and the relief can last for years."},
    {Pluto, Chiron, Hard,
     "During these months Pluto probes your Chiron, and an old wound can feel raw. A criticism, or "
     "a familiar kind of silence from someone close, may touch the hurt exactly where it lies. The "
     "inner loop is guarding the sore place so hard that nothing can reach it, not even help. The "
     "probing asks for honesty and patient care: face what hurts rather than guarding it, and you "
     "may carry it with more strength and offer more to others."},
    {Pluto, Ascendant, Conjunction,
     "For a long season Pluto crosses your Ascendant, and the way you present yourself can change "
     "at depth. You may alter your appearance, your manner or your surroundings, and others may "
     "find you more intense or commanding, quieter and harder to read. It can feel like shedding a "
     "skin that had grown too tight. Afterwards the way you enter a room can carry more depth and "
     "presence."},
    {Pluto, Ascendant, Easy,
     "While Pluto deepens your Ascendant, you come across with quiet authority, and people tend to "
     "take you seriously at first sight. It is a good time to present yourself with depth and "
     "confidence, in an interview, a new group or a hard negotiation. The shadow is that ease can "
     "make you intimidating without meaning to, the silence read as judgement. Show strength with "
     "warmth, a question asked, a smile that reaches the eyes, and people can trust the authority "
     "they sense."},
    {Pluto, Ascendant, Hard,
     "For these months Pluto bears on your Ascendant, and the way you come across can become "
     "intense or contested. Others may try to define you or push you into a role. The mask can be "
     "polished again each morning for fear of what shows without it. Being pushed can show you "
     "your true face: stand as you are, and your presence can grow stronger and more your own."},
    {Pluto, Midheaven, Conjunction,
     "As Pluto crosses your Midheaven, your vocation and public standing may be remade for a long "
     "season. A career may be rebuilt, the balance of power at work may shift, or you may take on "
     "a role of real influence and find it heavier than it looked. The pressure can be intense and "
     "the stakes feel high. When it has gone, you may keep a calling that reflects who you have "
     "become, and an authority you have earned."},
    {Pluto, Midheaven, Easy,
     "With Pluto deepening your Midheaven, your working life can be strengthened through "
     "commitment and depth. It is a fitting time to take on serious responsibility, pursue a "
     "meaningful goal, or become the person others turn to when a project is in trouble. A "
     "reputation already made can carry you without your noticing that you have stopped. Commit to "
     "the work you want to be known for, and the standing can grow."},
    {Pluto, Midheaven, Hard,
     "Over these months Pluto contests your Midheaven, and struggles for power at work or in "
     "public life can arise. An authority may want control, a rival may want the same position, or "
     "your reputation may come under scrutiny. The plan to secure your place can be checked and "
     "rechecked late at night. The contest asks what you want to stand for: hold your ground on "
     "what matters, and you may end with a reputation that rests on substance."},
});

}  // namespace

std::span<const KeyedReading> slowTransitReadings() { return readings; }

}  // namespace zodrivel
