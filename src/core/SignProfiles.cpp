#include "core/SignProfiles.h"

#include <iterator>

namespace {

// Characteristics, one row per sign in zodiac order.
constexpr SignCharacteristics Characteristics[] = {
    // sign, element, number, colour, day, compatibility, birthstone, quality, body parts
    {"Aries", "Fire", "9", "Red", "Tuesday", "Leo and Sagittarius", "Diamond", "Cardinal", "Head, Face"},
    {"Taurus", "Earth", "6", "Green", "Friday", "Capricorn and Virgo", "Emerald", "Fixed", "Throat, Neck"},
    {"Gemini", "Air", "5", "Yellow", "Wednesday", "Aquarius and Libra", "Agate", "Mutable", "Lungs, Arms, Hands"},
    {"Cancer", "Water", "2", "Silver", "Monday", "Pisces and Scorpio", "Pearl", "Cardinal", "Breast, Chest, Stomach"},
    {"Leo", "Fire", "8 and 9", "Gold", "Sunday", "Aries and Sagittarius", "Ruby", "Fixed", "Heart, Spine"},
    {"Virgo", "Earth", "3 and 5", "Blue", "Wednesday", "Capricorn and Taurus", "Sapphire", "Mutable",
        "Intestines, Pancreas"},
    {"Libra", "Air", "6 and 9", "Blue", "Friday", "Aquarius and Gemini", "Opal", "Cardinal", "Loins, Kidneys"},
    {"Scorpio", "Water", "2 and 4", "Burgundy and Black", "Tuesday", "Cancer and Pisces", "Topaz", "Fixed",
        "Reproductive Organs"},
    {"Sagittarius", "Fire", "5 and 7", "Purple", "Thursday", "Aries and Leo", "Turquoise", "Mutable", "Thighs"},
    {"Capricorn", "Earth", "8 and 2", "Brown", "Saturday", "Taurus and Virgo", "Garnet", "Cardinal", "Knees"},
    {"Aquarius", "Air", "1 and 7", "Blue, Violet", "Wednesday", "Taurus and Virgo", "Amethyst", "Fixed",
        "Ankles, Blood"},
    {"Pisces", "Water", "2 and 6", "Sea green", "Friday", "Taurus and Virgo", "Aquamarine", "Mutable", "Feet"},
};

// Fitness ratings, one row per sign in zodiac order.
constexpr SignFitnessRatings Ratings[] = {
    // sign, athletic, endurance, flexibility, focus, motivated, routine, team-work, variety
    {"Aries", "Highly Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus", "Highly Motivated", "No Routine",
        "Zero Team-Work", "Needs variety"},
    {"Taurus", "Low Athletic Ability", "High Endurance", "Low Flexibility", "High Focus", "Moderately Motivated",
        "Belief Routine", "Moderate Team-Work", "No Belief in Variety"},
    {"Gemini", "Moderately Athletic", "Low Endurance", "High Flexibility", "Zero Focus", "Zero Motivation",
        "No Routine", "Good Team-Work", "Needs variety"},
    {"Cancer", "Low Athletic Ability", "Low Endurance", "Medium Flexibility", "High Focus", "Moderately Motivated",
        "Belief Routine", "Good Team-Work", "Moderate Variety"},
    {"Leo", "Highly Athletic", "High Endurance", "Low Flexibility", "High Focus", "Highly Motivated",
        "Moderate Routine", "Moderate Team-Work", "Moderate Variety"},
    {"Virgo", "Low Athletic Ability", "Medium Endurance", "High Flexibility", "Good Focus", "Highly Motivated",
        "Belief Routine", "Good Team-Work", "Needs variety"},
    {"Libra", "Moderately Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus", "Moderately Motivated",
        "Moderate Routine", "Good Team-Work", "Moderate Variety"},
    {"Scorpio", "Moderately Athletic", "High Endurance", "Low Flexibility", "High Focus", "Highly Motivated",
        "Moderate Routine", "Moderate Team-Work", "No Belief in Variety"},
    {"Sagittarius", "Highly Athletic", "Low Endurance", "High Flexibility", "Zero Focus", "Highly Motivated",
        "No Routine", "Zero Team-Work", "Needs variety"},
    {"Capricorn", "Moderately Athletic", "High Endurance", "Medium Flexibility", "High Focus", "Highly Motivated",
        "Moderate Routine", "Moderate Team-Work", "No Belief in Variety"},
    {"Aquarius", "Highly Athletic", "High Endurance", "Low Flexibility", "High Focus", "Moderately Motivated",
        "No Routine", "Good Team-Work", "Needs variety"},
    {"Pisces", "Low Athletic Ability", "Low Endurance", "High Flexibility", "Zero Focus", "Moderately Motivated",
        "No Routine", "Good Team-Work", "Needs variety"},
};

// Written paragraphs, one row per sign in zodiac order.
constexpr SignWriting Writing[] = {
    {"Aries", "Aretha Franklin, Charlie Chaplin, Vincent van Gogh, Maya Angelou, Elton John, Marlon Brando",
        "You are a born pioneer, full of energy, courage and enthusiasm. You like to be first, and you throw yourself "
        "into new projects with a zest that carries other people along with you. You are honest and direct: people "
        "always know where they stand with you, and you say what you think without games or hidden motives. Challenges "
        "do not frighten you; they wake you up, and you are at your best when you have to act quickly and decide on "
        "the spot. You are generous with your time and your help, quick to forgive, and you rarely hold a grudge for "
        "long. Your optimism and your spirit of adventure make you a natural leader who inspires others to try what "
        "they thought impossible.",
        "You can be impatient and impulsive, acting first and thinking later, and you may lose interest in a task once "
        "the excitement of starting it has gone. Your temper flares quickly; although it cools just as fast, your "
        "sharp words can hurt people more than you realise. You like to have your own way and can be headstrong, "
        "competitive and a little self-centred, and you may find it hard to wait, to listen or to take advice from "
        "others.",
        "Aries rules the head and the face, so its natives are said to be prone to headaches, migraines, sinus "
        "trouble, eye strain and minor injuries to the head. Their fast pace and tendency to overwork can also bring "
        "fevers, inflammations, high blood pressure and sleeplessness, especially when they ignore the need to rest.",
        "The cell salt of Aries is potassium phosphate (Kali Phos), which is associated with the brain and the nerves. "
        "Foods that supply it include tomatoes, beans, brown rice, lettuce, cauliflower, spinach, walnuts, apples, "
        "lentils and onions. Because Aries natives burn their energy quickly, regular meals with enough protein, fresh "
        "vegetables and plenty of water help them keep their stamina steady through the day.",
        "Very spicy, fried and salty food, too much red meat, strong coffee and alcohol, which are thought to overheat "
        "an already fiery system.",
        "Eat at regular hours instead of on the run, and take time to chew; calm meals help a restless Aries "
        "digestion.",
        "Aries natives are competitive and full of energy, and they enjoy exercise that gives quick results and a "
        "sense of winning. Short, intense work-outs suit them better than long routines: sprinting, boxing, martial "
        "arts, squash, cycling and circuit training let them burn off tension and aggression. They get bored easily, "
        "so varying their activities keeps them going, and they should always warm up properly, since their impatience "
        "makes them prone to strains and injuries."},
    {"Taurus", "Sigmund Freud, Audrey Hepburn, Johannes Brahms, Florence Nightingale, Stevie Wonder, George Clooney",
        "You are patient, reliable and steady, the kind of person others lean on when times are hard. Once you have "
        "made up your mind, you carry a task through to the end with a determination that few can match. You are "
        "practical and sensible with money, and you build your security step by step. You love comfort and beauty: "
        "good food, music, nature and fine things give you real pleasure, and you often have an artistic or musical "
        "talent of your own. You are loyal and affectionate to the people you love, warm and generous in your "
        "friendships, and your calm presence makes others feel safe and at ease.",
        "You can be stubborn and set in your ways, refusing to change your opinion or your habits even when a change "
        "would help you. Your need for security may make you possessive of people and things, and at times jealous. "
        "You dislike being hurried and can be slow to act, and your love of comfort may turn into self-indulgence or "
        "laziness. Although you are slow to anger, when your patience finally runs out your temper can be fierce.",
        "Taurus rules the throat and the neck, so its natives are said to be prone to sore throats, tonsillitis, loss "
        "of voice, thyroid imbalance and stiffness of the neck. Their love of rich food and a quiet life can also lead "
        "to weight gain and a sluggish metabolism.",
        "The cell salt of Taurus is sodium sulphate (Nat Sulph), which helps the body regulate the amount of water in "
        "its tissues. Foods that supply it include beets, cauliflower, cabbage, cucumber, onions, spinach, pumpkin and "
        "raw nuts. A Taurus diet is best built on fresh vegetables, fruits and whole grains, in moderate portions, as "
        "these natives tend to eat for comfort.",
        "Rich desserts, heavy sauces, fatty and fried food, too much salt and sugar, and large helpings of starchy "
        "food.",
        "Favour light meals and smaller portions, and keep comfort eating in check; warm herbal drinks soothe the "
        "throat.",
        "Taurus natives are not drawn to hectic sports, but once they settle into a routine they keep it faithfully "
        "and have great staying power. They prefer steady, rhythmic exercise such as walking, hiking, weight training, "
        "dancing, gardening and yoga, ideally outdoors and close to nature. They should not let their love of comfort "
        "keep them on the sofa, and gentle stretching of the neck and shoulders helps them release the tension they "
        "tend to store there."},
    {"Gemini", "Marilyn Monroe, Paul McCartney, Bob Dylan, Anne Frank, Arthur Conan Doyle, Angelina Jolie",
        "You are quick-witted, curious and full of ideas, always eager to learn something new and to share it with "
        "others. You are a gifted communicator: you talk, write and listen with ease, and you can make friends with "
        "almost anyone. Your mind moves fast, so you adapt easily to new people and situations and can handle several "
        "things at once. You are lively, youthful and witty, with a sense of humour that brightens any gathering. Your "
        "versatility gives you many interests and talents, and your open, inquisitive nature keeps you young at heart "
        "whatever your age.",
        "You can be restless and inconsistent, starting many things but finishing few of them because something new "
        "has caught your interest. Your changing moods may make you seem unreliable or superficial to others, and you "
        "can be nervous and easily bored. At times you talk more than you listen, and your love of debate may tempt "
        "you to argue for the sake of it or to bend the truth a little for a good story.",
        "Gemini rules the lungs, the arms and the hands, and also the nervous system, so its natives are said to be "
        "prone to coughs, bronchitis, asthma and other chest complaints, injuries of the arms, shoulders and hands, "
        "nervous exhaustion and anxiety.",
        "The cell salt of Gemini is potassium chloride (Kali Mur), which is linked with healthy blood and clear "
        "airways. Foods that supply it include green beans, asparagus, tomatoes, celery, carrots, spinach, oranges, "
        "peaches and plums. As Gemini natives tend to eat irregularly and in a hurry, simple meals rich in calcium and "
        "B vitamins, such as yoghurt and whole grains, help to steady their nerves.",
        "Coffee, strong tea, cola and alcohol, and processed snacks eaten in a hurry, all of which upset the nerves.",
        "Eat small, regular meals in a calm place rather than snacking on the go, and breathe slowly while you eat.",
        "Gemini natives love movement and variety but soon tire of repetition, so a fixed routine rarely lasts. Sports "
        "that are quick, social and mentally engaging suit them best: tennis, badminton, table tennis, dancing, "
        "cycling and team games with lots of action. Changing their work-outs often keeps them interested. Breathing "
        "exercises and gentle yoga are especially valuable, as they strengthen the lungs and calm a busy, nervous "
        "mind."},
    {"Cancer", "Nelson Mandela, Frida Kahlo, Helen Keller, George Orwell, Meryl Streep, Tom Hanks",
        "You are caring, loyal and deeply protective of the people you love, and your home and family mean everything "
        "to you. You have a strong intuition and a rare sensitivity to the feelings of others, so people often turn to "
        "you for comfort and understanding. You are imaginative and have an excellent memory, treasuring the past and "
        "the traditions that connect you to it. Though you may seem reserved at first, you are tender and warm once "
        "you trust someone, and your tenacity helps you hold on and see things through when others would give up.",
        "You can be moody and over-sensitive, taking small remarks to heart and brooding over hurts long after they "
        "happened. When you feel insecure you may withdraw into your shell or become clingy and possessive of those "
        "you love. You tend to worry a great deal, and your caution can make you hold back from new experiences. At "
        "times you may sulk to get your way instead of saying plainly what you need.",
        "Cancer rules the breast, the chest and the stomach, so its natives are said to be prone to indigestion, "
        "gastritis, ulcers and other stomach troubles, often brought on by worry. They may also tend to retain water "
        "and to gain weight when they eat for emotional comfort.",
        "The cell salt of Cancer is calcium fluoride (Calc Fluor), which helps keep the tissues, the teeth and the "
        "walls of the blood vessels elastic and strong. Foods that supply it include milk, yoghurt, egg yolks, rye "
        "bread, cabbage, watercress, beets and oranges. Cancer natives do best on light, simple, easily digested meals "
        "taken in a relaxed mood, because their stomach reacts quickly to stress.",
        "Heavy, greasy and fried food, very salty snacks, sweets eaten for comfort, and too much tea or coffee.",
        "Try not to eat when upset or anxious; a calm mood at mealtimes matters as much as the food on the plate.",
        "Cancer natives are not natural athletes and may lack confidence in competitive settings, but they do well "
        "with gentle, regular exercise in a friendly, familiar group. Water is their element, so swimming, water "
        "aerobics and rowing suit them well, as do walking, yoga and tai chi. Exercise helps them release emotional "
        "tension and protects their sensitive digestion. They stay motivated best when they train with family or close "
        "friends."},
    {"Leo", "Napoleon Bonaparte, Barack Obama, Neil Armstrong, Alfred Hitchcock, Coco Chanel, Mick Jagger",
        "You are warm-hearted, generous and full of life, and you light up any room you walk into. You have natural "
        "confidence and a strong sense of dignity, and you are happiest when you can lead, create and shine. Your "
        "loyalty to friends and family is unshakable, and you will defend the people you love with courage. You are "
        "creative and expressive, with a love of drama, art and play, and your enthusiasm is infectious. You are "
        "big-hearted in your affections and in your gestures, and your optimism and faith in others bring out the best "
        "in the people around you.",
        "You can be proud and vain, needing admiration and attention and feeling hurt when you do not get them. At "
        "times you may be domineering or bossy, assuming that your way is the only right way. Your love of luxury and "
        "display can make you extravagant with money. You find it hard to admit a mistake, and when your pride is "
        "wounded you may react with arrogance or sulk rather than talk things through.",
        "Leo rules the heart, the spine and the back, so its natives are said to be prone to back pain, spinal "
        "problems, palpitations, high blood pressure and other troubles of the heart and circulation, especially when "
        "they overwork or live under constant pressure.",
        "The cell salt of Leo is magnesium phosphate (Mag Phos), which supports the nerves and the muscles, including "
        "the muscle of the heart. Foods that supply it include whole grains, almonds, walnuts, figs, apples, lemons, "
        "pumpkin seeds and leafy green vegetables. A Leo diet that looks after the heart is low in saturated fat and "
        "rich in fresh fruit and vegetables, fish and plenty of water.",
        "Fatty red meat, rich sauces, fried food, too much salt and alcohol, all of which strain the heart and "
        "circulation.",
        "Choose heart-friendly foods, and keep indulgent feasts for special occasions rather than everyday meals.",
        "Leo natives are energetic, proud and competitive, and they enjoy exercise in which they can perform and be "
        "seen. Dance, tennis, gymnastics, athletics, swimming and captaining a team appeal to them, and they usually "
        "have the strength and stamina to excel. They train best with an audience or a goal such as a competition. "
        "Because Leo rules the heart and the back, cardiovascular training and exercises that strengthen and stretch "
        "the spine are especially worthwhile for them."},
    {"Virgo", "Mother Teresa, Leo Tolstoy, Agatha Christie, Freddie Mercury, Michael Jackson, Warren Buffett",
        "You are practical, modest and hard-working, with a sharp, analytical mind that notices every detail. You like "
        "to be useful, and you find real satisfaction in helping others and in doing a job properly. You are organised "
        "and reliable: when you take something on, people know it will be done well and on time. Your intelligence is "
        "clear and precise, and you have a talent for solving problems that confuse others. You take care of your "
        "health and your surroundings, and your quiet kindness and sense of duty make you a trusted friend and "
        "colleague.",
        "You can be over-critical, of others and above all of yourself, and your high standards may turn into "
        "perfectionism. You tend to worry about small things and to fret over your health. Your need for order may "
        "make you fussy and inflexible, and you may find it hard to relax or to let others do things their own way. At "
        "times your reserve can make you seem cool or distant even when you care deeply.",
        "Virgo rules the intestines, the pancreas and the digestive system as a whole, so its natives are said to be "
        "prone to indigestion, irritable bowel, constipation, food allergies and blood-sugar problems. Worry and "
        "nervous tension often show up first in their digestion.",
        "The cell salt of Virgo is potassium sulphate (Kali Sulph), which is associated with healthy skin and with "
        "carrying oxygen to the cells. Foods that supply it include whole wheat, oats, cheese, lean meat, carrots, "
        "leafy greens, endive and chicory. Virgo natives benefit from a simple, fresh, fibre-rich diet with plenty of "
        "vegetables and yoghurt to keep their sensitive digestion in good order.",
        "Rich, highly spiced and processed food, refined sugar and white flour, and meals eaten in a hurry or under "
        "stress.",
        "Keep meals simple and regular, chew well, and have some natural yoghurt, whose live cultures support "
        "digestion, every day.",
        "Virgo natives are health-conscious and disciplined, and once they see the benefits of exercise they follow a "
        "plan carefully. They enjoy activities that are precise and purposeful, such as yoga, Pilates, swimming, brisk "
        "walking, jogging and cycling, and they like to keep track of their progress. Exercise is also one of the best "
        "ways for them to relieve nervous tension, so a calm, regular routine that includes relaxation suits them "
        "better than aggressive sports."},
    {"Libra", "Mahatma Gandhi, John Lennon, Oscar Wilde, Eleanor Roosevelt, Friedrich Nietzsche, Serena Williams",
        "You are charming, tactful and fair-minded, and you have a gift for bringing people together and keeping the "
        "peace. You see both sides of any question and try to weigh them justly before you decide. You love beauty, "
        "art and harmony, and you have good taste in everything from clothes to conversation. You are sociable and "
        "easy to like, and you are at your best in partnership, whether in love, friendship or work. Your courtesy, "
        "diplomacy and genuine interest in others make people feel valued, and your sense of justice leads you to "
        "stand up for those who are treated unfairly.",
        "You can be indecisive, weighing every choice for so long that chances slip by, and you may avoid "
        "confrontation at all costs, even when a frank word is needed. Your wish to please may make you change your "
        "views to suit the company. You can depend too much on the approval of others and feel unhappy on your own. At "
        "times you may be vain about your looks or inclined to put off unpleasant tasks in favour of pleasure.",
        "Libra rules the loins, the lower back and the kidneys, so its natives are said to be prone to kidney and "
        "bladder troubles, lower back pain and skin problems linked to poor elimination. Stress and a lack of balance "
        "in their lives may also upset their health.",
        "Libra natives do well on a balanced diet that supports the kidneys and the lower back. Plenty of water and "
        "watery foods such as cucumbers, melons, celery and apples help the kidneys flush out waste. Whole grains, "
        "oats, brown rice, fresh vegetables, berries and light protein from fish, lentils and beans keep the system in "
        "balance, and herbal teas make a gentle daily habit.",
        "Too much salt, sugar and alcohol, fizzy drinks, and rich, creamy desserts, which burden the kidneys.",
        "Drink water steadily through the day, and aim for balance on every plate rather than extremes.",
        "Libra natives enjoy exercise that is graceful, social and pleasant rather than exhausting or aggressive. "
        "Dancing, yoga, tennis, golf, swimming and cycling with a friend suit them well, and they are more likely to "
        "keep going with a partner or in a friendly class. They need balance in training as in life: a mix of gentle "
        "cardio, stretching and exercises that strengthen the lower back and the core keeps them supple and fit."},
    {"Scorpio", "Marie Curie, Pablo Picasso, Jawaharlal Nehru, Indira Gandhi, Bill Gates, Leonardo DiCaprio",
        "You are intense, passionate and determined, and once you set your heart on a goal you pursue it with a will "
        "that rarely gives way. You have a powerful intuition and see through appearances to what lies beneath, so "
        "little escapes your notice. You are loyal and deeply devoted to the people you trust, and you would go to "
        "great lengths to protect them. You are resourceful and brave in a crisis, and you have a remarkable capacity "
        "to transform yourself and to rise again after hard times. Your emotional depth and magnetic presence leave a "
        "lasting impression on everyone you meet.",
        "You can be secretive and suspicious, slow to trust and quick to sense betrayal. When you are hurt you may "
        "become jealous, possessive or resentful, and you can hold a grudge for a very long time. Your strong will may "
        "turn into stubbornness or a wish to control situations and people. At times your intensity drives you to "
        "extremes, all or nothing, and your sharp tongue can sting when you feel wronged.",
        "Scorpio rules the reproductive organs and the organs of elimination, so its natives are said to be prone to "
        "urinary and bladder infections, menstrual and hormonal problems, and troubles of the bowel. Suppressed "
        "emotions and stress may also show up in their bodies.",
        "Scorpio natives benefit from a cleansing diet that supports the reproductive and eliminatory systems. Fresh "
        "fruit and vegetables, especially onions, garlic, leeks, cabbage, asparagus and figs, help the body clear out "
        "toxins. Whole grains supply fibre for good elimination, and fish, seeds and nuts provide zinc and healthy "
        "oils for the hormones. Drinking plenty of water every day matters too.",
        "Alcohol, very spicy or fried food, too much red meat, and heavily processed or sugary food.",
        "Go for moderation instead of extremes; regular, balanced meals steady both the body and the emotions.",
        "Scorpio natives have great strength, stamina and willpower, and they like exercise that tests their limits "
        "and lets them release deep feelings. Swimming, rowing, martial arts, weight training, long-distance running "
        "and demanding forms of yoga all suit them. They prefer to train alone or with one trusted partner rather than "
        "in a crowd, and they throw themselves into training completely, so they should take care not to overdo it and "
        "should allow time for rest."},
    {"Sagittarius", "Winston Churchill, Walt Disney, Jane Austen, Mark Twain, Bruce Lee, Frank Sinatra",
        "You are optimistic, adventurous and freedom-loving, always looking toward the next horizon. You have a great "
        "thirst for knowledge, travel and new experiences, and you approach life as a journey of discovery. You are "
        "honest and open, with a frank and cheerful manner that wins you friends wherever you go. Your sense of humour "
        "is infectious, and your faith in the future carries you through setbacks. You are broad-minded and "
        "philosophical, interested in big ideas and in the meaning of things, and your generosity and enthusiasm "
        "inspire the people around you.",
        "You can be restless and impatient, unwilling to be tied down by routine, commitments or details. Your honesty "
        "is sometimes so blunt that it becomes tactless, and you may hurt people without meaning to. You tend to "
        "promise more than you can deliver and to take careless risks, trusting to luck. At times you can be preachy "
        "about your opinions or careless with money and time.",
        "Sagittarius rules the thighs, the hips and the liver, so its natives are said to be prone to sciatica, "
        "injuries of the hips and thighs, and liver troubles, often made worse by their love of food and drink. Their "
        "restless, active lives also bring sprains and accidents.",
        "Sagittarius natives need a diet that supports the liver and the large muscles of the thighs and hips. Fresh "
        "fruits, green vegetables, beetroot, tomatoes, whole grains, lentils and lean protein give them steady energy "
        "for their active lives. Bitter greens such as rocket and dandelion leaves are traditionally eaten for the "
        "liver, and plenty of water makes up for what they lose in all their activity.",
        "Rich, fatty and fried food, too much alcohol, and overeating at feasts and celebrations, which burden the "
        "liver.",
        "Enjoy good food but know when to stop; moderation protects the liver and keeps your energy high.",
        "Sagittarius natives love the outdoors, speed and freedom, and they are natural athletes with a taste for "
        "adventure. Horse riding, running, hiking, skiing, archery, cycling and team sports played in the open air "
        "suit them best. They quickly tire of gyms and fixed routines, so changing activities and setting new "
        "challenges keeps them active. Stretching the hips and thighs before and after exercise helps them avoid the "
        "injuries their enthusiasm can bring."},
    {"Capricorn", "Isaac Newton, Louis Pasteur, Martin Luther King Jr, Elvis Presley, Muhammad Ali, Stephen Hawking",
        "You are ambitious, disciplined and responsible, with the patience to climb toward your goals one careful step "
        "at a time. You take your duties seriously, and people know they can depend on you. You are practical and "
        "realistic, good at planning, organising and managing resources, and you rarely waste time or money. Your "
        "determination carries you through difficulties that would discourage others. Beneath your reserved exterior "
        "lie a dry sense of humour and a deep loyalty to family and friends, and with the years you often grow more "
        "relaxed, confident and successful.",
        "You can be too serious and pessimistic, expecting the worst and finding it hard to relax and enjoy yourself. "
        "Your ambition may turn into a habit of working too hard and putting status or money before people. You can be "
        "rigid and conventional, suspicious of new ideas, and slow to show your feelings, so others may find you cold "
        "or distant. At times you may be stubborn and too demanding of yourself and of those around you.",
        "Capricorn rules the knees, the bones, the joints, the skin and the teeth, so its natives are said to be prone "
        "to knee injuries, stiff joints, arthritis, rheumatism, skin complaints and dental problems, particularly when "
        "they work too hard and neglect to rest.",
        "The cell salt of Capricorn is calcium phosphate (Calc Phos), the main mineral of bones and teeth. Foods that "
        "supply it include milk, cheese, yoghurt, almonds, sesame seeds, eggs, beans, lentils, leafy green vegetables "
        "and oranges. A Capricorn diet rich in calcium, vitamin D and fresh vegetables helps to keep the bones and "
        "joints strong, and warm, nourishing meals suit a constitution that often feels the cold.",
        "Too much coffee, salt and fizzy drinks, and heavy, fatty meals, which are thought to weaken the bones and "
        "joints.",
        "Take meals at set times, include a calcium-rich food every day, and do not skip meals for work.",
        "Capricorn natives approach exercise as they approach their careers: with discipline, patience and a clear "
        "goal. They stick to a plan once they commit to it, and they have great endurance. Hiking, climbing, "
        "long-distance walking, weight training and structured classes suit them well. Because Capricorn rules the "
        "knees and joints, they should warm up carefully, avoid too much high-impact work and include stretching or "
        "yoga to stay supple as they grow older."},
    {"Aquarius",
        "Abraham Lincoln, Charles Darwin, Wolfgang Amadeus Mozart, Thomas Edison, Charles Dickens, Oprah Winfrey",
        "You are original, independent and forward-looking, with a mind that enjoys new ideas, science and invention. "
        "You think for yourself and are not afraid to be different, and your vision often runs ahead of your time. You "
        "care about humanity as a whole and about fairness, and you are drawn to causes that make the world better. "
        "You are friendly and open, with a wide circle of friends from every walk of life, and you treat everyone as "
        "an equal. Your honesty, tolerance and inventive spirit make you a stimulating companion and a natural "
        "reformer.",
        "You can be detached and aloof, more comfortable with ideas than with emotions, and others may find you hard "
        "to get close to. Your love of independence may make you unpredictable, contrary or rebellious simply for the "
        "sake of it. Once you have formed an opinion you can be surprisingly stubborn. At times you may be so busy "
        "with the wider world that you neglect the needs of those closest to you.",
        "Aquarius rules the ankles, the calves and the circulation of the blood, so its natives are said to be prone "
        "to sprained ankles, cramps, varicose veins, poor circulation and cold hands and feet, as well as nervous "
        "tension from an overactive mind.",
        "Aquarius natives need a diet that supports good circulation and healthy blood. Foods rich in iron and vitamin "
        "C, such as spinach, beans, lentils, citrus fruits and berries, together with oily fish, nuts and seeds, help "
        "to keep the blood and the blood vessels in good condition. Fresh fruit and vegetables, whole grains and "
        "plenty of water complete a light diet that suits their active minds.",
        "Too much salt, fried and fatty food, and coffee and alcohol, which strain the circulation and the nerves.",
        "Keep to regular mealtimes even when busy, and favour fresh, light food over quick processed snacks.",
        "Aquarius natives like exercise that is unusual, inventive or social, and they quickly lose interest in dull, "
        "repetitive work-outs. Cycling, skating, dance, rock climbing, aerobics and team sports played with friends "
        "suit them, as do new fitness trends and gadgets that track their progress. Activities that keep the blood "
        "moving are especially valuable for them, and exercises that strengthen the ankles and calves help to protect "
        "these vulnerable parts."},
    {"Pisces", "Albert Einstein, Victor Hugo, Michelangelo Buonarroti, Steve Jobs, Elizabeth Taylor, Johnny Cash",
        "You are compassionate, gentle and imaginative, with a deep understanding of other people's feelings. You are "
        "often the first to help someone in trouble, and your kindness asks nothing in return. You have a rich inner "
        "world and a strong intuition, and many Pisceans have a talent for music, art, poetry or healing. You are "
        "adaptable and easy-going, able to accept people as they are without judging them. Your sensitivity, your "
        "spiritual outlook and your selfless devotion make you a comforting friend and bring beauty and meaning into "
        "the lives of others.",
        "You can be over-sensitive and easily hurt, and when life becomes too harsh you may escape into daydreams "
        "rather than face it. You can be indecisive and easily swayed, and your wish to help may lead others to take "
        "advantage of you. At times you lack discipline and practical sense, let things drift, or play the martyr. "
        "Your moods change like the tide, and you may find it hard to set firm boundaries.",
        "Pisces rules the feet and is linked with the lymphatic system, so its natives are said to be prone to foot "
        "problems such as corns, bunions and swollen feet, to fluid retention, and to colds and infections when their "
        "resistance is low.",
        "The cell salt of Pisces is iron phosphate (Ferrum Phos), which helps the blood carry oxygen and supports "
        "resistance to infection. Foods that supply it include lean meat, liver, eggs, spinach, lettuce, lentils, "
        "beans, apricots, raisins and whole grains. Pisces natives do well on light, fresh food with plenty of "
        "vegetables and fruit, and they should drink enough water while keeping salt low to limit fluid retention.",
        "Alcohol, too much salt, and heavy, fatty or highly processed food, which encourage fluid retention and low "
        "spirits.",
        "Eat light, regular meals with plenty of fresh vegetables, and choose water and herbal teas over alcohol.",
        "Pisces natives are not usually drawn to competitive or aggressive sports, but they move with natural grace "
        "and respond well to gentle rhythm. Swimming, water sports, dancing, ice skating, yoga and tai chi suit them "
        "best, and music makes exercise more enjoyable for them. They need a kind, encouraging setting rather than a "
        "strict regime. Foot exercises, walking barefoot on sand or grass and good footwear help to care for the "
        "sensitive feet this sign rules."},
};

// Keys of the sign picture list, picture n at index n - 1.
constexpr const char* SunSignPictureKeys[] = {
    "Aries.jpg",
    "Taurus.jpg",
    "Gemini.jpg",
    "Cancer.jpg",
    "Leo.jpg",
    "Virgo.jpg",
    "Libra.jpg",
    "Scorpio.jpg",
    "Sagittarius.jpg",
    "Capricorn.jpg",
    "Aquarius.jpg",
    "Pisces.jpg",
};

static_assert(std::size(Characteristics) == SignCount && std::size(Ratings) == SignCount
        && std::size(Writing) == SignCount && std::size(SunSignPictureKeys) == SignCount,
    "every sign table has one row per sign");

std::array<SignProfile, SignCount> buildProfiles()
{
    std::array<SignProfile, SignCount> profiles {};
    for (int i = 0; i < SignCount; ++i)
        profiles[i] = SignProfile {i + 1, Characteristics[i], Ratings[i], Writing[i]};
    return profiles;
}

} // namespace

const std::array<SignProfile, SignCount>& signProfiles()
{
    static const std::array<SignProfile, SignCount> profiles = buildProfiles();
    return profiles;
}

const SignProfile* findSignProfile(const QString& sign)
{
    for (const SignProfile& profile : signProfiles()) {
        if (sign.compare(QLatin1String(profile.characteristics.sign), Qt::CaseSensitive) == 0)
            return &profile;
    }
    return nullptr;
}

QString sunSignPicture(int number)
{
    if (number < 1 || number > SignCount)
        return {};
    return QStringLiteral(":/assets/") + QLatin1String(SunSignPictureKeys[number - 1]);
}
