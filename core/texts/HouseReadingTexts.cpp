// SPDX-License-Identifier: AGPL-3.0-or-later
// The ten bodies in each of the twelve houses (1 .. 12): natal readings, lasting tendencies,
// printed in the report before the aspects. A reading names only its body and its house, no
// sign and no other body, since the chart may not hold them.
#include "core/texts/PlacementReadings.h"

namespace zodrivel {

namespace {

const PlacementReading Readings[] = {
    {PointId::Sun, 1,
     "With the Sun in your first house, you are seen: your presence tends to fill a doorway "
     "and people notice when you arrive. You do best acting on your own initiative and "
     "putting your personality into whatever you touch. The catch is self-absorption and "
     "taking every reaction personally; ask about others as readily as you show yourself, and "
     "your vitality becomes something people share rather than watch."},
    {PointId::Sun, 2,
     "The Sun in your second house ties your sense of self to what you build, earn and value. "
     "A wage you earned yourself, a skill you can sell, a home furnished by your own choices "
     "give you quiet pride. Confusing worth with possessions is the trap; knowing what you "
     "value beyond price keeps your confidence secure when circumstances shift."},
    {PointId::Sun, 3,
     "With the Sun in your third house, you come alive in conversation, in learning and in "
     "the comings and goings of your neighbourhood. You may be the one who knows everyone on "
     "the street, writes the group's messages or explains the news to your siblings. Busyness "
     "can pass for purpose, a full week with nothing deep in it; going far into one subject "
     "gives your quick mind a centre."},
    {PointId::Sun, 4,
     "With the Sun in your fourth house, home and family are central to who you are, and your "
     "strength may grow quietly before it shows in public. You may pour energy into a house, "
     "a garden or family history. Life can stay too private, or too bound to the past. Bring "
     "what you have built at home out into the street, and others can benefit from it too."},
    {PointId::Sun, 5,
     "In your fifth house, the Sun comes out in play, romance and creative work: the hobby "
     "that becomes a passion, the game you organise, the joy you take in children or young "
     "people. You may crave applause, or treat life as one long performance. Create for "
     "delight, audience or none, and the spark stays honest."},
    {PointId::Sun, 6,
     "With the Sun in your sixth house, daily work is where you discover who you are: a craft "
     "perfected, a routine that runs well, colleagues who rely on you. Daily rituals matter "
     "to you. Your worth can come to feel like your output, measured in ticked boxes, and "
     "rest is then the first thing cut; protecting it keeps your diligence from wearing you "
     "thin."},
    {PointId::Sun, 7,
     "With the Sun in your seventh house, you discover yourself through partnership: a "
     "spouse, a business partner, a close rival who sharpens you. You may shine most in "
     "one-to-one work. It can be tempting to let a partner tell you who you are. Bring a "
     "clear sense of yourself to the relationship, and it becomes a meeting of equals."},
    {PointId::Sun, 8,
     "The Sun in your eighth house draws you to what lies beneath: shared resources, "
     "intimacy, crisis and the hidden motives of people. When things fall apart, you may find "
     "yourself steady while others panic. You may keep more secret than you need to, and "
     "reach for control when you feel exposed. Letting people in, and sharing power, gives "
     "your depth its generous use."},
    {PointId::Sun, 9,
     "With the Sun in your ninth house, travel, study and a philosophy or faith give your "
     "life its direction. Friends may know you as the teacher, the traveller or the one with "
     "a book to lend. You can search restlessly or preach what you have found, and neither "
     "convinces as much as beliefs lived out on an ordinary Tuesday."},
    {PointId::Sun, 10,
     "With the Sun in your tenth house, your purpose is bound up with your public life: "
     "career, reputation, what you achieve in the world's eyes. You may be drawn to lead or "
     "to be known for your work. The cost is a life ruled by status; remembering who you are "
     "when no one is watching means the ambition stays your own."},
    {PointId::Sun, 11,
     "Placed in your eleventh house, the Sun warms friends, teams and causes, and you may "
     "find yourself at the centre of a circle or organising the group. Shared hopes give you "
     "purpose. Your own aims can get lost in the crowd's; knowing what you want from the "
     "group, as well as what you give it, keeps your friendships balanced."},
    {PointId::Sun, 12,
     "With the Sun in your twelfth house, your strength works best behind the scenes: in "
     "quiet service, creative solitude, or care given without fanfare. You may need time "
     "alone to recharge and feel most yourself out of sight. Hiding your light, or doubting "
     "it, comes easily; letting your work be seen a little at a time brings your gifts into "
     "the open."},
    {PointId::Moon, 1,
     "With the Moon in your first house, your feelings show on your face and your moods "
     "colour how you meet each day. People find you responsive and approachable, and you may "
     "react to a new place before you have thought about it. On some mornings the mood of the "
     "moment runs the whole day. A steady routine, the same walk or the same cup at the same "
     "hour, lets your sensitivity become a strength others trust."},
    {PointId::Moon, 2,
     "The Moon in your second house ties security to what you have: a full cupboard, savings "
     "put by, familiar things around you. Your earnings and spending may rise and fall with "
     "your moods. The trouble is comfort-buying when you feel low; noticing the feeling "
     "behind the purchase lets your possessions soothe without ruling you."},
    {PointId::Moon, 3,
     "With the Moon in your third house, you need to talk things through, and phone calls, "
     "letters and chats with neighbours or siblings steady you. You learn best when a subject "
     "touches your feelings. The same worry can churn over and over when it has nowhere to "
     "go, and writing it down is often enough to let your responsive mind rest."},
    {PointId::Moon, 4,
     "With the Moon in your fourth house, home is your emotional centre: the kitchen, the "
     "family table, the place you return to. You may stay close to your roots or carry them "
     "with you wherever you live. When the world asks for you, the nest can be too tempting "
     "to leave. Opening the door to friends, not only family, widens the belonging you build "
     "there."},
    {PointId::Moon, 5,
     "In your fifth house, the Moon makes you feel most alive when you play, create or love: "
     "the craft night, the romance, time with children. Your heart is easily moved and freely "
     "given. A dull week can tempt you to stir up drama just to feel something. Quieter "
     "pleasures, an evening of music or a walk with a child, can feed your warm spirit just "
     "as well."},
    {PointId::Moon, 6,
     "With the Moon in your sixth house, you feel secure when your days have order: the "
     "morning routine, the tidy desk, being useful to colleagues. Work can be where you show "
     "care. Moods can leak into daily tasks, and worry about getting everything right can "
     "make order a cage; a looser routine lets your dependable care flow."},
    {PointId::Moon, 7,
     "With the Moon in your seventh house, you need a partner to feel at home in yourself, "
     "and you are highly attuned to other people's feelings. Friends may ring you first when "
     "they need sympathy. Your emotional balance can come to depend on whoever is closest. "
     "Learning to comfort yourself makes your partnerships a choice, not a need."},
    {PointId::Moon, 8,
     "The Moon in your eighth house sends your feelings deep and private, and you may sense "
     "what others hide. A friend's confession or a secret shared at midnight can stay with "
     "you for days. Brooding, jealousy or holding on after it is time to let go can weigh on "
     "you. Feelings are meant to change, and allowing them to gives your depth a power to "
     "renew."},
    {PointId::Moon, 9,
     "With the Moon in your ninth house, you find comfort in horizons: a journey planned, a "
     "course begun, a belief that explains your life. Foreign places or ideas may feel "
     "strangely like home. Life that stays local can make you restless, yet meaning found in "
     "your own street as well as far away settles your heart."},
    {PointId::Moon, 10,
     "With the Moon in your tenth house, your feelings go to work with you, and people may "
     "sense your care in how you do your job. You might work with the public, or with "
     "families, or lead like a parent. A sharp word from a manager or a cool review can "
     "follow you home; keeping a private life apart from the work restores you."},
    {PointId::Moon, 11,
     "The Moon in your eleventh house makes friends your family of choice and groups a source "
     "of belonging. You may know everyone's news and every birthday in your circle. Moods "
     "swayed by the crowd, or a need to be liked by everyone, can unsettle you; a few close "
     "friendships, deeply kept, ground your wider social world."},
    {PointId::Moon, 12,
     "With the Moon in your twelfth house, your feelings are private, sometimes even from "
     "yourself, and you may need regular solitude to know what you feel. You sense others' "
     "distress keenly. Hurt can stay hidden until it overwhelms you, so a journal, a quiet "
     "practice or one trusted listener helps your inner life surface gently."},
    {PointId::Mercury, 1,
     "With Mercury in your first house, you lead with your wits: asking questions, cracking "
     "jokes, sizing things up aloud. People see you as bright and talkative. Nervy "
     "restlessness can have you talking before you have listened; letting a silence sit in a "
     "conversation makes your quickness more persuasive."},
    {PointId::Mercury, 2,
     "Mercury in your second house turns your mind readily to practical value: prices "
     "compared, skills that can earn, ideas that pay their way. You may make a living with "
     "words, trade or teaching. You may overthink every purchase or measure ideas only by "
     "their use. A book read for nothing but pleasure widens your good sense."},
    {PointId::Mercury, 3,
     "With Mercury in your third house, talk, reading and errands fill your days, and you may "
     "know the quickest route anywhere and the latest news from everyone. Learning comes "
     "naturally and siblings or neighbours may be close companions. Nervous scattering is the "
     "hazard of so much input; finishing one line of thought before picking up the next gives "
     "your mind reach."},
    {PointId::Mercury, 4,
     "With Mercury in your fourth house, home is where you think: a study, a kitchen-table "
     "debate, a house full of books or talk. You may have learned a great deal from family "
     "conversation. Old family stories can be gone over once too often. Bring fresh ideas "
     "home, and your mind stops circling the past."},
    {PointId::Mercury, 5,
     "In your fifth house, Mercury makes a mind that loves to play: word games, stories, "
     "flirting by banter, creative writing. You may have a gift for entertaining and for "
     "teaching the young. Serious matters can get treated as a game. Wit with a real point "
     "behind it carries weight as well as laughter."},
    {PointId::Mercury, 6,
     "With Mercury in your sixth house, your mind is at its best on practical tasks: lists, "
     "schedules, troubleshooting, the job explained step by step. Colleagues may rely on your "
     "efficiency. Details can become a source of worry and routine a thing to fret over; "
     "trusting your systems enough to stop checking them frees your mind to think."},
    {PointId::Mercury, 7,
     "With Mercury in your seventh house, you think best in dialogue, and partners are as "
     "much minds to meet as hearts to win. You may negotiate, counsel or mediate with skill. "
     "You may decide only after consulting everyone, or let a partnership become an endless "
     "debate. Reaching your own conclusion first sharpens every conversation."},
    {PointId::Mercury, 8,
     "Mercury in your eighth house takes your mind beneath the surface: research, "
     "investigation, the question others avoid asking. You may be drawn to psychology, old "
     "records or mysteries. The snag is a mind that dwells on what is hidden and reads a plot "
     "into a late reply; sharing what you uncover, gently, makes your perceptiveness a gift "
     "to others."},
    {PointId::Mercury, 9,
     "With Mercury in your ninth house, your mind heads for big ideas: languages, philosophy, "
     "travel, the meaning behind the facts. You may teach, publish or debate beliefs with "
     "relish. Abstract argument can drift far from everyday detail, and testing your theories "
     "against what happens down the road keeps them sound."},
    {PointId::Mercury, 10,
     "With Mercury in your tenth house, your career may run on communication: writing, "
     "speaking, selling, teaching, planning. You may be known for what you say and how well "
     "you say it. A reputation can come to rest on talk rather than delivery. Visible "
     "results, set beside the words, build standing that lasts."},
    {PointId::Mercury, 11,
     "Mercury in your eleventh house makes friends your thinking partners and groups your "
     "classroom. You may run the group chat, share articles and swap ideas with people of "
     "every kind. Many acquaintances can leave room for few deep conversations. Time given to "
     "a handful of friends who challenge you sharpens your mind more than the crowd does."},
    {PointId::Mercury, 12,
     "With Mercury in your twelfth house, your thinking often happens quietly, below the "
     "surface, and answers may come in daydreams or in solitude. You may keep your best ideas "
     "to yourself. Self-doubt may keep you quiet and worry may circle unspoken, so writing "
     "privately first helps your intuitive mind find its voice."},
    {PointId::Venus, 1,
     "Venus in your first house lends you a ready charm, and people tend to warm to you "
     "quickly. You may care about how you present yourself and have an easy grace in company. "
     "What it can cost is relying on being liked, or avoiding anything that spoils the "
     "pleasant impression; letting people see you ruffled now and then makes your charm "
     "sincere."},
    {PointId::Venus, 2,
     "Venus in your second house brings a love of beautiful things and comfort, and often a "
     "good eye for quality: the well-cut coat, the piece of furniture that lasts. Earning "
     "through art, taste or people skills may come easily. Affection can slide into gifts, a "
     "present bought where a word was wanted; valuing what cannot be wrapped deepens your "
     "pleasure in what you own."},
    {PointId::Venus, 3,
     "With Venus in your third house, you speak and write with grace, and daily exchanges "
     "with neighbours, siblings and shopkeepers tend to go sweetly. You may charm with a "
     "well-chosen word or a kind note. Saying what people want to hear comes a little too "
     "easily; pair your tact with honesty and your pleasant words are trusted."},
    {PointId::Venus, 4,
     "With Venus in your fourth house, you may put love into the place you live: fresh "
     "flowers, good food, a welcoming door. Family ties can be affectionate. Conflict at home "
     "may be dodged just to keep the peace. An honest disagreement, aired over dinner and "
     "survived, makes the harmony real."},
    {PointId::Venus, 5,
     "In your fifth house, Venus lets romance, pleasure and creativity come easily: you enjoy "
     "courtship, art, dancing and good times with friends and children. Your love of life is "
     "infectious. Pleasure, or the thrill of a new romance, can become a chase in itself. "
     "Joys you return to year after year let your playful heart find depth."},
    {PointId::Venus, 6,
     "With Venus in your sixth house, you bring grace to daily work and tend to get on well "
     "with colleagues. A pleasant workspace and friendly routine matter to you. Unpleasant "
     "tasks and friction at work are what you may dodge, yet doing the dull jobs with the "
     "same care as the nice ones earns lasting goodwill."},
    {PointId::Venus, 7,
     "With Venus in your seventh house, partnership is where you flourish, and you may "
     "attract kind, attractive or artistic partners. You cooperate easily and make others "
     "feel valued. Dependence on a partner for happiness, or peace kept at any price, is the "
     "shadow side; knowing your own worth, and saying so when it is overlooked, keeps the "
     "sweetness from turning into silence."},
    {PointId::Venus, 8,
     "Venus in your eighth house makes love run deep and intense, and you may seek a "
     "closeness that changes you. Shared resources and intimacy matter greatly. Love can "
     "tangle with power, and jealousy or possessiveness can take hold; trusting without "
     "needing to hold lets your capacity for deep bonds flourish."},
    {PointId::Venus, 9,
     "With Venus in your ninth house, you love what widens the world: travel, foreign "
     "cultures, study and people from elsewhere. Beauty and belief may be linked for you. "
     "What is distant can look lovelier than what is at hand, and bringing that sense of "
     "wonder home keeps your love of the far away from becoming restlessness."},
    {PointId::Venus, 10,
     "With Venus in your tenth house, your public life benefits from charm and taste, and you "
     "may work in art, design, diplomacy or with people. Colleagues and superiors often like "
     "you. Being liked can come to count for more than results. Grace with substance behind "
     "it makes a reputation that holds."},
    {PointId::Venus, 11,
     "Venus in your eleventh house makes friendship one of your great pleasures, and you may "
     "gather a warm and varied circle. Groups and shared causes bring out your kindness. "
     "Affection can spread thin, and the line between friend and lover can blur. A few close "
     "friendships, tended over years, give your social warmth its meaning."},
    {PointId::Venus, 12,
     "With Venus in your twelfth house, love may be private, secret or quietly selfless, and "
     "you may give care without asking for credit. Art, music and solitude feed you. You may "
     "love from afar or accept less than you deserve; letting your affection be seen, and "
     "returned, brings it out of the shadows."},
    {PointId::Mars, 1,
     "With Mars in your first house, you meet life with energy and directness, and people "
     "sense your drive before you say a word. You may be quick to act, compete and stand up "
     "for yourself. A readiness to clash and a temper that flares on first contact are the "
     "risks. Let others finish their sentence before you answer, and your boldness stays an "
     "asset."},
    {PointId::Mars, 2,
     "Mars in your second house makes you work hard for what you own and earn, and you defend "
     "your possessions and values fiercely. You may be an energetic earner with a quick hand "
     "for spending too. Impulsive purchases or quarrels over what is whose are the trouble. "
     "With a steady plan behind it, your drive for independence has a firm base."},
    {PointId::Mars, 3,
     "With Mars in your third house, your mind is quick and your words can be sharp: you "
     "debate readily, dash about a great deal and may compete with siblings or neighbours. "
     "Hasty speech and impatience, in traffic or in debate, are the hazards; choosing which "
     "points are worth winning gives your quick words real persuasive force."},
    {PointId::Mars, 4,
     "With Mars in your fourth house, home can be a place of great activity: renovations, "
     "lively family debates, a busy household. You defend your family fiercely. Tempers held "
     "in check at work may come out over the washing-up instead; giving your energy a "
     "physical outlet and your grievances a calm hearing keeps the household warm."},
    {PointId::Mars, 5,
     "In your fifth house, Mars has you pursue pleasure, romance and creative projects with "
     "passion, and you play to win, in sport or in love. Your enthusiasm can be contagious. "
     "The cost is taking risks for the thrill, or treating romance as a conquest. Poured into "
     "a canvas, a team or a performance, the competitive fire has somewhere lasting to burn."},
    {PointId::Mars, 6,
     "With Mars in your sixth house, you throw your energy into work and daily tasks, getting "
     "through a list faster than most. You may thrive in physical or hands-on jobs. "
     "Colleagues who move slowly may try your patience and friction can follow; pacing the "
     "day and choosing your battles at work let your vigour reach the end of the list."},
    {PointId::Mars, 7,
     "With Mars in your seventh house, partnerships are lively and sometimes combative: you "
     "may be drawn to strong-willed partners or rivals who test you. Working in tandem can "
     "spur you on. Conflicts can flare between you and those closest. Fight fair and name "
     "anger early, and your relationships stay honest and alive."},
    {PointId::Mars, 8,
     "Mars in your eighth house sends your drive deep and intense, especially where intimacy, "
     "loyalty or a shared purse is at stake. You may be fearless in crises. Power struggles "
     "and secret resentments are the catch. Brought into the open with someone you trust, "
     "desire and anger can become courage for renewal."},
    {PointId::Mars, 9,
     "With Mars in your ninth house, you fight for your beliefs and chase adventure: long "
     "journeys, bold studies, causes worth arguing for. You may be a fiery teacher or "
     "traveller. Quarrels over principle can harden into zealotry, and respecting other views "
     "while defending your own keeps your crusading spirit admirable."},
    {PointId::Mars, 10,
     "With Mars in your tenth house, ambition drives you, and you may push hard for "
     "advancement, independence or leadership. People see you as energetic and determined. "
     "Clashes with bosses can earn you a name for being combative. Alliances built along the "
     "way carry your drive further than force alone."},
    {PointId::Mars, 11,
     "Mars in your eleventh house puts your drive into groups, teams and causes, and can have "
     "you rallying friends toward a goal. Shared aims inspire you. Arguments can break out "
     "within the group, and friendships can turn competitive. Letting others lead sometimes "
     "keeps your team spirit strong and your friendships warm."},
    {PointId::Mars, 12,
     "With Mars in your twelfth house, your drive tends to work out of sight: you may act "
     "alone, behind the scenes, or for others rather than yourself. Anger can be hard to "
     "express. Frustration can turn inward when it finds no outlet, so a quiet one, a long "
     "walk alone or private work, frees your energy for purposeful action."},
    {PointId::Jupiter, 1,
     "Jupiter in your first house lends you an open, hopeful manner, and people tend to feel "
     "better for your company. You may take up space generously, in laughter, plans and "
     "goodwill, and doors open for you. Its shadow is overdoing it: promising too much, "
     "assuming too much, filling every room; a little restraint makes your optimism more "
     "believable."},
    {PointId::Jupiter, 2,
     "Jupiter in your second house brings a generous relation to resources: you may earn in "
     "spurts, spend freely and trust that more is on the way. Your values are broad and your "
     "hand is open. The trap is extravagance and a faith in plenty that skips the sums; a "
     "simple budget lets your generosity last."},
    {PointId::Jupiter, 3,
     "Jupiter in your third house gives you an expansive mind and a love of talk, reading and "
     "short journeys. You may lend out books faster than they come back and cheer a sibling "
     "or neighbour through every new plan. Where it overreaches is in promising to read, "
     "write or ring more than a week allows; fewer projects, chosen well, make your words "
     "worth their weight."},
    {PointId::Jupiter, 4,
     "Jupiter in your fourth house makes home a place of plenty and welcome: a large table, a "
     "house that fills up at holidays, roots you feel proud of. Family may be a source of "
     "support. A household can grow beyond what you can tend, one spare room and one more "
     "guest at a time. Knowing when enough space is enough keeps home a refuge."},
    {PointId::Jupiter, 5,
     "Jupiter in your fifth house brings joy in creativity, romance and play, and luck may "
     "come through a hobby or a gamble on your talent. You may delight in children and "
     "celebration. Excess is the snag: too many parties, too big a wager on a whim; keeping "
     "play playful, without raising the stakes, protects the fun."},
    {PointId::Jupiter, 6,
     "Jupiter in your sixth house brings goodwill to daily work: you may enjoy your job, find "
     "helpful colleagues and see routine as a source of meaning. Opportunities tend to come "
     "through service. Because you say yes so readily, your desk can fill with favours no day "
     "can hold; a polite no to some of them keeps your goodwill at work sustainable."},
    {PointId::Jupiter, 7,
     "Jupiter in your seventh house tends to bring generous, wise or worldly partners, and "
     "cooperation can open many doors for you. You believe in the best of those you join. "
     "Expecting a partner to provide meaning or rescue is the weak spot; growing together, "
     "each with your own horizons, gives the bond its real abundance."},
    {PointId::Jupiter, 8,
     "Jupiter in your eighth house can bring support through what others share, a partner's "
     "means or a mentor's contacts, and a faith that things can be rebuilt. A friend may hand "
     "you exactly the introduction you needed, or a partner's world may widen yours. "
     "Overconfidence with shared obligations is the risk; clear agreements about what is "
     "whose let that support keep flowing."},
    {PointId::Jupiter, 9,
     "Jupiter in your ninth house is at home with horizons: travel, higher learning, faith "
     "and the big questions fill you with energy. You may teach, publish or live abroad. Its "
     "excess is certainty, the belief that your view is the only wise one; remaining a "
     "student as well as a teacher is how your wisdom goes on growing."},
    {PointId::Jupiter, 10,
     "Jupiter in your tenth house favours public life: you may rise through goodwill, "
     "reputation and a sense of mission, and people tend to trust you with responsibility. "
     "Ambition can overreach, and a career can be built on promise more than delivery. Vision "
     "matched with steady work gives your standing solid ground."},
    {PointId::Jupiter, 11,
     "Jupiter in your eleventh house brings a wide and varied set of friends and an easy way "
     "with groups, and your hopes for the future are large. A chance word at a club evening "
     "may lead to your next job or your next home. Spreading yourself across too many causes "
     "is the catch; choosing the aims that truly matter to you gives your network real "
     "purpose."},
    {PointId::Jupiter, 12,
     "Jupiter in your twelfth house gives a quiet faith and a generous heart. Solitude or "
     "retreat may restore you, as may helping where nobody knows your name, and feel oddly "
     "protected in hard times. Hiding from the world or giving without limits is what this "
     "can cost; bringing your kindness into plain view lets it grow."},
    {PointId::Saturn, 1,
     "Saturn in your first house can give you a serious, reserved manner, as if you had to "
     "earn your place in every room. You may have grown up quickly and learned self-control "
     "early. The weight of it is self-consciousness and a guarded first impression; with time "
     "this reserve can mature into a quiet authority people come to rely on."},
    {PointId::Saturn, 2,
     "Saturn in your second house makes security something you work for patiently: you may "
     "save carefully, mend rather than replace and keep something back for leaner months. "
     "Your sense of worth may be slow to build. The strain is scarcity thinking even in good "
     "times; relying on your own persistence lets you spend an afternoon on pleasure without "
     "counting what it cost."},
    {PointId::Saturn, 3,
     "Saturn in your third house makes you weigh every word before you speak or write it, and "
     "your mind works carefully, step by step. Early schooling or siblings may have felt "
     "demanding. The pinch is hesitation and second-guessing of your own ideas; slow, "
     "thorough study gives you a voice that carries real authority in time."},
    {PointId::Saturn, 4,
     "Saturn in your fourth house ties home to duty: you may have carried responsibility in "
     "your family early or longed for a security that came late. You tend to build a home "
     "slowly and solidly. The ache is a reserve that keeps warmth at bay; allowing comfort, "
     "not just order, makes the home you build a shelter."},
    {PointId::Saturn, 5,
     "Saturn in your fifth house treats pleasure, romance and creativity seriously, perhaps "
     "too seriously: you may hold back from play or doubt your creative gifts. Love may come "
     "cautiously. The work it asks is practice; the art or the romance you commit to over "
     "years can prove deeper and more lasting than any easy spark."},
    {PointId::Saturn, 6,
     "Saturn in your sixth house brings discipline to daily work and routine: you are "
     "dependable, thorough and may carry more than your share. Structure steadies you. The "
     "burden is overwork and a sense that duty is endless; setting limits on the working day, "
     "and keeping them, protects both your effort and your spirits."},
    {PointId::Saturn, 7,
     "Saturn in your seventh house takes partnership seriously: you may marry or commit "
     "later, choose older or steadier partners, or feel relationships as a responsibility. "
     "The test is fear of rejection, or a bond kept only because it was promised; built "
     "patiently, with honest terms, your partnerships can become the most reliable part of "
     "your life."},
    {PointId::Saturn, 8,
     "Saturn in your eighth house approaches intimacy, trust and shared resources with "
     "caution, and you may guard your vulnerabilities closely. Joint arrangements and "
     "promises made to others may weigh on you. The hardship is fear of losing control; "
     "letting trust grow step by step builds a depth of bond that withstands crisis."},
    {PointId::Saturn, 9,
     "Saturn in your ninth house asks you to earn your beliefs: you may distrust easy faith "
     "and study long before you claim to know. Travel or higher education may come late or "
     "with effort. The narrowness to watch is rigid opinion; listening to people who believe "
     "otherwise lets your earned convictions guide others."},
    {PointId::Saturn, 10,
     "Saturn in your tenth house makes your career a long climb: you may take on "
     "responsibility early, rise through persistence and respect authority, or become it. The "
     "pressure is fear of failure and a diary with room for nothing but work; making time for "
     "rest and private joy keeps your achievement from costing too much."},
    {PointId::Saturn, 11,
     "Saturn in your eleventh house gives you few friends but loyal ones, and you may take a "
     "responsible role in groups: the treasurer, the organiser. You may feel an outsider at "
     "first. The chill is loneliness or reluctance to join in; showing up regularly lets "
     "friendships deepen into the long bonds you value."},
    {PointId::Saturn, 12,
     "Saturn in your twelfth house can bring hidden fears, quiet responsibilities or a sense "
     "of carrying something unseen. You may work well alone or in institutions, keeping an "
     "archive or a night desk in order while others sleep. A worry with no clear name can "
     "hang over you; an hour set aside for reflection, writing or service gives those private "
     "fears a shape you can work with."},
    {PointId::Uranus, 1,
     "With Uranus in your first house, people may find you surprising, original or hard to "
     "predict from the first handshake. You may change your look or direction abruptly. "
     "Restlessness can bristle at any expectation. Turning up on time where it counts lets "
     "your originality be welcome rather than merely startling."},
    {PointId::Uranus, 2,
     "Uranus in your second house brings an unconventional relation to resources: income may "
     "come in unusual ways or fluctuate, and your values may differ from your family's. The "
     "jolt is instability when you crave freedom more than security; some reserve set aside "
     "gives you room to follow the unusual path."},
    {PointId::Uranus, 3,
     "Uranus in your third house gives a quick, inventive mind that leaps to conclusions and "
     "enjoys ideas that startle. You may move often, or have unusual ties with siblings. "
     "Nervous distraction, and the unexpected remark blurted out, can lose people. Pause to "
     "explain how you got there, and others can follow your flashes."},
    {PointId::Uranus, 4,
     "With Uranus in your fourth house, home life may be unconventional or changeable: "
     "frequent moves, an unusual family, the furniture rearranged whenever the mood strikes. "
     "Roots can be hard to put down, and you may at times wish for a quieter household. That "
     "unsettlement can teach you to carry your sense of home within, and to build a household "
     "that fits who you are rather than what custom expects."},
    {PointId::Uranus, 5,
     "Uranus in your fifth house brings surprise to love, creativity and play: sudden "
     "romances, original art, hobbies no one expected. You need freedom in pleasure. Quick "
     "passions can burn out by the third week. Letting a project or a love grow past its "
     "first thrill shows what your originality can build."},
    {PointId::Uranus, 6,
     "Uranus in your sixth house needs variety and freedom in daily work, and you may thrive "
     "with flexible hours, technology or unusual jobs. Rigid routine chafes. Jobs or methods "
     "may change so often that nothing settles. A structure you design yourself lets your "
     "inventiveness make daily life run better."},
    {PointId::Uranus, 7,
     "Uranus in your seventh house seeks partners who are unusual, independent or who keep "
     "you guessing, and partnerships may start or change suddenly. A partner who works nights "
     "or lives across town may suit you better than one home every evening. Instability or "
     "distance in close bonds is the difficulty; agreeing openly on space and freedom can "
     "keep a bond alive without holding either of you in place."},
    {PointId::Uranus, 8,
     "Uranus in your eighth house brings sudden changes through shared resources, intimacy or "
     "crisis, and an unconventional approach to trust. You may open up to a near-stranger on "
     "a train yet stay guarded with people you have known for years. A reluctance to depend "
     "on anyone can come with that independence; letting someone share your burdens makes the "
     "shocks easier to ride."},
    {PointId::Uranus, 9,
     "Uranus in your ninth house gives you radical or original views on faith, learning and "
     "the wider world. You may drop a course halfway to take up a stranger one, or learn a "
     "language nobody around you speaks. Dismissing every tradition is the risk; testing the "
     "new against what has served you lets your independent mind teach others."},
    {PointId::Uranus, 10,
     "Uranus in your tenth house points to an unusual or changing career: you may work "
     "freelance, in technology or reform, or change direction more than once. Authority "
     "chafes. The instability of such a path is the cost; building a reputation for "
     "excellence in what you do lets you keep your freedom and still be trusted."},
    {PointId::Uranus, 11,
     "Uranus in your eleventh house draws you to unusual friends, progressive groups and "
     "causes that look years ahead. You may meet people suddenly who change your course. "
     "Friendships can end as quickly as they start. Staying in touch through the changes, a "
     "message after a move, gives your social world depth as well as breadth."},
    {PointId::Uranus, 12,
     "Uranus in your twelfth house brings sudden insights from below the surface of the mind "
     "and a hidden streak of rebellion. Answers may arrive in the shower or on a late walk, "
     "and you may need unusual ways to recharge in private. A restlessness you cannot name "
     "comes with it; writing, meditation or solitary experiment helps bring those private "
     "flashes into useful form."},
    {PointId::Neptune, 1,
     "Neptune in your first house gives you a gentle, elusive presence, and people may see in "
     "you what they hope to see. You may be unusually receptive to atmosphere and to others' "
     "feelings. Where you end and others begin can blur. Knowing your own wishes, and stating "
     "them, gives your softness a clear outline."},
    {PointId::Neptune, 2,
     "Neptune in your second house brings an idealistic or vague relation to possessions and "
     "earnings: you may give freely, value beauty over price, or lose track of what you own. "
     "Accounts can go unchecked for months, and a budget can be more wish than plan. A plain "
     "record of what comes in and goes out protects your generous instincts."},
    {PointId::Neptune, 3,
     "Neptune in your third house gives an imaginative, poetic mind that thinks in pictures "
     "and picks up hints from the air. You may write beautifully or sense what others leave "
     "unsaid. Messages can go vague and plans can be misheard; confirming the time and place "
     "in writing keeps your intuitive way with words from leaving a friend at the wrong cafe."},
    {PointId::Neptune, 4,
     "Neptune in your fourth house softens the walls of home into a refuge for dreams, music "
     "and retreat, and family life may have held confusion or sacrifice. You may idealise "
     "home, or long for one that lives mostly in memory. The use of this longing is to build "
     "a home that feeds the spirit as well as the everyday, with clear roles within it."},
    {PointId::Neptune, 5,
     "Neptune in your fifth house brings imagination to love and creativity: romance like a "
     "film, art that flows, play that enchants children. The risk is loving an illusion or "
     "chasing a dream of romance that real people cannot match; honest eyes in love and "
     "discipline in art let your inspiration take form."},
    {PointId::Neptune, 6,
     "Neptune in your sixth house seeks meaning in daily work and may draw you to care, art "
     "or service. Routine can feel dull unless it serves an ideal. Papers can pile up "
     "unsorted, and colleagues may lean on your good nature more than is fair; firm schedules "
     "and clear duties let your compassion work without wearing you out."},
    {PointId::Neptune, 7,
     "Neptune in your seventh house idealises partnership, and you may be drawn to artistic, "
     "spiritual or fragile partners. Love may feel like a calling. You may be unsure who a "
     "partner really is, or rescue them at your own expense. Seeing partners clearly, faults "
     "and all, lets your devotion be met in kind."},
    {PointId::Neptune, 8,
     "Neptune in your eighth house brings mystery to intimacy and to what you share with "
     "others: a longing to merge, and a fascination with what is hidden or unseen. You may "
     "lend a partner your keys, your time or your secrets without asking what comes back. "
     "Boundaries blur easily here; clear agreements and honest disclosure protect the trust "
     "that lets your closeness run deep."},
    {PointId::Neptune, 9,
     "Neptune in your ninth house draws you to spiritual searching, poetry, distant places "
     "and faith. A single line in a book, or a chapel found by chance on a walk abroad, can "
     "stay with you for weeks. Following a teacher or a belief without question is the risk; "
     "asking what a teaching changes in your daily life keeps your faith alive and your "
     "judgment sound."},
    {PointId::Neptune, 10,
     "Neptune in your tenth house may draw you to a vocation in art, care, film or anything "
     "that serves a vision. Your reputation can be glamorous or vague. Your direction may "
     "stay unclear for years, or others may project an image onto you that is not yours. "
     "Goals written down in plain words let the dream become a career."},
    {PointId::Neptune, 11,
     "Neptune in your eleventh house draws you to idealistic friends, creative groups and "
     "causes that serve a vision. You may feel a kinship with everyone. Friends may "
     "disappoint when they fall short of the ideal, and accepting people as they are keeps "
     "your hopes for the group grounded and generous."},
    {PointId::Neptune, 12,
     "Neptune in your twelfth house opens a rich inner life: dreams, imagination, compassion "
     "and a feel for the unseen. You may need retreat and find peace in music or quiet "
     "devotion. Escape can tempt you, and other people's sorrows can settle in you as if they "
     "were your own. Solitude with a purpose, an hour of prayer, writing or simply sitting "
     "still, lets your sensitivity serve others."},
    {PointId::Pluto, 1,
     "Pluto in your first house makes your presence intense and magnetic: a room may go quiet "
     "when you walk in, before you have said a word. You may reinvent yourself more than "
     "once. You may guard yourself closely and try to control how you are seen; letting "
     "yourself be known, vulnerabilities included, turns that intensity toward trust."},
    {PointId::Pluto, 2,
     "Pluto in your second house makes possessions and resources a matter of power: you may "
     "build your means with determination and live through big swings between having and "
     "lacking. Possessiveness and a fear of lack can take hold; recognising that your deepest "
     "resource is your own resilience loosens the grip on things."},
    {PointId::Pluto, 3,
     "Pluto in your third house gives a penetrating mind that seeks the truth behind words, "
     "and your speech can persuade or wound. Siblings or early schooling may have carried "
     "intensity. An idea or a secret can take hold of you for weeks. Used to understand "
     "rather than to prevail, your investigative mind is formidable."},
    {PointId::Pluto, 4,
     "Pluto in your fourth house roots deep forces in family and home: you may carry a family "
     "secret, live through upheaval at home, or be the one who transforms the household. The "
     "use of that weight is renewal; facing old family patterns with honesty frees you to "
     "keep what was good in your family and set the rest down."},
    {PointId::Pluto, 5,
     "Pluto in your fifth house brings intensity to love, creativity and pleasure: passionate "
     "romances, creative work that consumes you, deep bonds with children. Jealousy or "
     "control can creep into love and play, and letting your creations and loves have a life "
     "of their own gives your passion its most generous form."},
    {PointId::Pluto, 6,
     "Pluto in your sixth house puts a fierce will into daily work: you may overhaul methods, "
     "take on the job everyone else has given up on, or feel driven to master routine. Work "
     "can turn compulsive, and a disagreement over method can become a contest of wills. "
     "Transforming one thing at a time lets your drive reshape your days without wearing you "
     "down."},
    {PointId::Pluto, 7,
     "Pluto in your seventh house draws you into intense, transforming partnerships, and you "
     "may meet powerful partners or rivals. A single close bond may reshape your habits, your "
     "friends and your ambitions. Control and the fear of betrayal can creep in between you; "
     "equal terms and open talk about power let a partnership become a place of deep renewal."},
    {PointId::Pluto, 8,
     "Pluto in your eighth house is at home in depth: intimacy, shared resources and hidden "
     "truths draw you, and you may read people's motives before they know them. A late talk "
     "that strips away the pleasantries can feel more real to you than a month of easy "
     "evenings. You may try to control others or keep secrets too long, yet trusting someone "
     "with your depths shows the strength that lies in sharing power."},
    {PointId::Pluto, 9,
     "Pluto in your ninth house gives your beliefs an intense, transforming force, and travel "
     "or study may change you at the root. A teacher met at twenty may still shape how you "
     "argue at fifty. Zealotry or a crisis of faith is the risk; welcoming challenges to your "
     "view lets your convictions deepen rather than harden."},
    {PointId::Pluto, 10,
     "Pluto in your tenth house brings a drive for power and achievement in public life, and "
     "your career may pass through dramatic rises and turns. You may rebuild a department, or "
     "your own working life, after a setback that would have stopped others. Clashes with "
     "authority and a ruthless streak under pressure are the trouble; using your influence "
     "for something beyond your own rise wins you allies as well as rivals."},
    {PointId::Pluto, 11,
     "Pluto in your eleventh house makes friendship and group life a matter of depth: you may "
     "be drawn to movements for change and to friends who transform you. Power struggles can "
     "arise in your circles, and some friendships may end abruptly; choosing allies with care "
     "makes your influence in groups a force for good."},
    {PointId::Pluto, 12,
     "Pluto in your twelfth house gives a deep, hidden inner life, and you may face private "
     "fears or secrets that ask for courage. You may keep a notebook nobody else reads, or do "
     "your strongest work where no one sees it. You may push feelings down rather than face "
     "them; quiet reflection, an honest confidant or creative work lets those depths become a "
     "source of strength."},
};

}  // namespace

std::span<const PlacementReading> houseReadings() { return Readings; }

}  // namespace zodrivel
