create table Orders (
  id Long,
  ordered DateTime,
  [customer.name] Text(50),
  [customer.city] Text(50),
  amount Double,
  paid YesNo,
  CONSTRAINT pk_orders PRIMARY KEY (id)
);
